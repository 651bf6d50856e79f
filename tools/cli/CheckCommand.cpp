// harbrook-cli check: whether the navigation unit can play each music file, with the track
// information the music records would get.
#include "Command.h"
#include "FileListArgs.h"
#include "Messages.h"

#include <music/MusicCheckReport.h>
#include <soundkit/Soundkit.h>

#include <platform/Cp932.h>

#include <cstdio>
#include <string>

namespace {

constexpr const char* kUsage = "usage: harbrook-cli check [--tsv] FILE...\n";

// The check report's reason per result code, as the music document words it.
std::string_view reasonText(int code) {
    return code == SK_CHECK_OK ? std::string_view("OK") : MusicCheckReport::FormatReason(code);
}

struct FileReport {
    int code = 0;
    bool hasInfo = false;
    AVT_Tk_DetailInfo detail{};
    unsigned short tagTrack = 0;
};

FileReport examine(const std::string& path) {
    CSoundkit kit;
    FileReport r;
    r.code = kit.CheckFormat(path.c_str());
    r.hasInfo = kit.GetInfo(path.c_str(), &r.detail, &r.tagTrack, nullptr) == 1;
    return r;
}

// A record text field as UTF-8 that cannot break a tab-separated line.
std::string fieldUtf8(const char* field, std::size_t size) {
    return cli::printable(platform::cp932ToUtf8Lossy(platform::fieldText(field, size)));
}

void printTsv(const std::string& path, const FileReport& r) {
    if (!r.hasInfo) {
        std::printf("%s\t%d\t0\t\t\t\t\t\t\n", cli::printable(path).c_str(), r.code);
        return;
    }
    const AVT_Tk_DetailInfo& d = r.detail;
    std::printf("%s\t%d\t%u\t%u\t%u\t%u\t%u\t%s\t%s\n", cli::printable(path).c_str(), r.code,
                d.codec, d.minutes, d.seconds, d.bitRate, r.tagTrack,
                fieldUtf8(d.title, sizeof d.title).c_str(),
                fieldUtf8(d.artist, sizeof d.artist).c_str());
}

void printReadable(const std::string& path, const FileReport& r) {
    std::printf("[%d] %s  %s", r.code, std::string(reasonText(r.code)).c_str(),
                cli::printable(path).c_str());
    if (r.hasInfo) {
        const AVT_Tk_DetailInfo& d = r.detail;
        std::string rate = d.bitRate == 0xFFFF ? "VBR" : std::to_string(d.bitRate) + "kbit/s";
        std::printf("  (%s %u:%02u %s #%u \"%s\" / \"%s\")",
                    d.codec == AVT_CODEC_MP3 ? "MP3" : "WMA", d.minutes, d.seconds, rate.c_str(),
                    r.tagTrack, fieldUtf8(d.title, sizeof d.title).c_str(),
                    fieldUtf8(d.artist, sizeof d.artist).c_str());
    }
    std::printf("\n");
}

int run(const std::vector<std::string>& args) {
    cli::FileListArgs parsed;
    if (!cli::parseFileListArgs(args, "check", kUsage, parsed)) return cli::kExitUsage;
    const bool tsv = parsed.tsv;
    const std::vector<std::string>& files = parsed.files;
    bool allPlayable = true;
    for (const auto& path : files) {
        // A file that cannot be read is not reported as one of an unreadable format.
        if (const std::string problem = cli::inputProblem(path); !problem.empty()) {
            std::fflush(stdout);
            cli::reportFailure("check", path, problem);
            allPlayable = false;
            if (tsv) printTsv(path, FileReport{SK_CHECK_UNREADABLE});
            continue;
        }
        FileReport r = examine(path);
        allPlayable = allPlayable && r.code == SK_CHECK_OK;
        tsv ? printTsv(path, r) : printReadable(path, r);
    }
    std::fflush(stdout);
    return allPlayable ? cli::kExitOk : cli::kExitFailed;
}

}  // namespace

HARBROOK_CLI_COMMAND(check, "check", "check [--tsv] FILE...",
                     "whether the unit can play each MP3/WMA file, with its track information", run);
