#include "RecordRules.h"

#include <cstdio>
#include <cstring>

namespace songbase {

void setPlayListFileName(AVT_Mtr_PlTrackInfo& master, int list) {
    std::memset(master.fileName, 0, sizeof master.fileName);
    std::snprintf(master.fileName, sizeof master.fileName, "PLINFO%03d.PPD", list + 1);
}

void setTrackFileName(AVT_Mtr_PlTrackInfo& master, int list, int track) {
    std::memset(master.fileName, 0, sizeof master.fileName);
    std::snprintf(master.fileName, sizeof master.fileName, "TRACK%03d_%02d.PPD", list + 1,
                  track + 1);
}

namespace {
template <std::size_t N>
void terminate(char (&field)[N]) {
    field[N - 1] = '\0';
}

void terminateMaster(AVT_Mtr_PlTrackInfo& master) { terminate(master.fileName); }
}  // namespace

void terminateTextFields(AVT_FileHeader& header) { terminate(header.name); }

void terminateTextFields(Songbase_Track& track) {
    terminate(track.path);
    terminate(track.detail.title);
    terminate(track.detail.titleReading);
    terminate(track.detail.artist);
    terminateMaster(track.master);
    terminateTextFields(track.fileHeader);
}

void terminateTextFields(Songbase_ListRecord& record) {
    terminate(record.info.title);
    terminate(record.info.titleReading);
    terminate(record.info.artist);
    terminate(record.info.artistReading);
    terminate(record.info.releaseYear);
    terminateMaster(record.master);
    terminateTextFields(record.fileHeader);
}

std::string_view unitFileName(const AVT_Mtr_PlTrackInfo& master) {
    std::size_t length = ::strnlen(master.fileName, sizeof master.fileName);
    std::string_view name(master.fileName, length);
    if (length == 0 || length == sizeof master.fileName) return {};
    if (name == "." || name == ".." || name.find('/') != std::string_view::npos) return {};
    return name;
}

}  // namespace songbase
