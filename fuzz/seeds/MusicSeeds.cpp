// Edit data files and the unit's music database files, written by the store itself from
// stores of the shapes users make: empty, a few real tracks with Japanese tags and mood results,
// a full playlist, the most playlists the store holds.
#include "Seeds.h"

#include "SeedFolder.h"
#include "SoundkitFiles.h"

#include <songbase/Songbase.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace fuzzseeds {
namespace {

void require(int result, const char* what) {
    if (!result) throw std::runtime_error(std::string("music seeds: ") + what);
}

int addPlayList(std::string_view title) {
    int index = 0;
    require(CSongbase::CreatePlayList(&index), "create a playlist");
    AVT_Pl_PlInfo* info = nullptr;
    require(CSongbase::GetPlayListInfo(index, &info), "get a playlist");
    AVT_Pl_PlInfo changed = *info;
    std::memcpy(changed.title, title.data(), std::min(title.size(), sizeof changed.title - 1));
    std::memcpy(changed.artist, kKashu.data(), kKashu.size());
    std::memcpy(changed.releaseYear, "1999", 4);
    changed.genre = 3;
    require(CSongbase::SetPlayListInfo(index, changed), "name a playlist");
    return index;
}

// A track from a real music file, retitled in Japanese and given a mood result.
void addTrack(int list, const std::string& path, std::string_view title) {
    const int track = CSongbase::GetTrackCount(list);
    require(CSongbase::SetTrackInfo(list, track, path.c_str()), "add a track");
    AVT_Tk_DetailInfo* detail = nullptr;
    require(CSongbase::GetTrackInfo(list, track, &detail), "get a track");
    AVT_Tk_DetailInfo changed = *detail;
    std::memset(changed.title, 0, sizeof changed.title);
    std::memcpy(changed.title, title.data(), title.size());
    std::memcpy(changed.titleReading, kHiragana.data(), kHiragana.size());
    changed.genre = 5;
    changed.duro = 1;
    require(CSongbase::SetTrackInfo(list, track, changed), "retitle a track");
    AVT_Tk_DistinctInfo mood{};
    mood.type = AVT_TYPE_TRACK_DISTINCT;
    mood.size = sizeof mood;
    for (int i = 0; i < kMoodWordCount; ++i) mood.mood[i] = i * 37 - 200;
    mood.status = kMoodStatusSuccess;
    require(CSongbase::SetDURoInfo(list, track, mood), "store a mood result");
}

// Two playlists of real MP3 and WMA tracks.
void fillTwoPlayLists() {
    const std::string mp3 =
        soundkit_test::mp3(44100, 2, 128000, "-write_xing 0 -id3v2_version 0", 0.2);
    const std::string wma = soundkit_test::wma("wmav2", 44100, 2, 128000, "", 0.3);
    const int first = addPlayList(kNihongo);
    addTrack(first, mp3, kNihongo);
    addTrack(first, wma, kKatakana);
    addTrack(addPlayList(kHalfWidthKana), mp3, "Title");
}

void writeEditData(const SeedFolder& seeds, const std::string& name) {
    require(CSongbase::WriteEditData(seeds.path(name).c_str()), "write an edit data file");
}

}  // namespace

void writeEditDataSeeds(const std::string& root) {
    const SeedFolder seeds(root, "EditDataFuzz");
    CSongbase::Initialize();
    writeEditData(seeds, "empty.dat");
    fillTwoPlayLists();
    writeEditData(seeds, "two_playlists.dat");

    CSongbase::Initialize();
    const int full = addPlayList("Full");
    for (int j = 0; j < kMaxTracksPerList; ++j)
        require(CSongbase::SetTrackInfo(full, j, ""), "add a placeholder track");
    writeEditData(seeds, "99_tracks.dat");

    CSongbase::Initialize();
    for (int i = 0; i < kMaxPlayLists; ++i)
        require(CSongbase::CreatePlayList(nullptr), "create a playlist");
    writeEditData(seeds, "999_playlists.dat");
    CSongbase::Release();
}

void writeInspectSeeds(const std::string& root) {
    const SeedFolder seeds(root, "InspectFuzz");
    CSongbase::Initialize();
    fillTwoPlayLists();
    // AVMTR.PPD, PLINFO001.PPD, PLINFO002.PPD and the TRACK files, straight into the folder.
    require(CSongbase::WriteMusicData(seeds.path("").c_str(), nullptr), "write the unit files");
    writeEditData(seeds, "two_playlists.dat");
    CSongbase::Initialize();
    // The folder string goes in front of the file name as it stands: "EMPTY_AVMTR.PPD".
    require(CSongbase::WriteAVMTR(seeds.path("EMPTY_").c_str(), nullptr),
            "write an empty master list");
    CSongbase::Release();
}

}  // namespace fuzzseeds
