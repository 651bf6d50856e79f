#include "CommandHelp.h"

#include <algorithm>
#include <cstring>

namespace cli {
namespace {

struct CommandDetail {
    const char* name;
    const char* text;   // what it does, its arguments and options
    const char* exits;  // its exit statuses
};

constexpr std::size_t kSynopsisWidth = 40;
constexpr const char* kCommonExits = "0 success, 1 a file failed or was refused, 2 usage error";

constexpr CommandDetail kDetails[] = {
    {"check",
     "Checks each MP3 or WMA file the way a music transfer does and shows the track information\n"
     "its record would get. The readable line starts with the check code and its reason.\n"
     "\n"
     "  --tsv   one tab-separated line per file: path, check code (0 playable), codec (1 MP3,\n"
     "          2 WMA), minutes, seconds, bit rate in kbit/s (65535 variable), tag track number,\n"
     "          title, artist\n"
     "  --      end of the options; every later argument is a file\n",
     "0 every file is playable, 1 a file was refused, 2 usage error"},
    {"detect",
     "Runs the mood detection on each file as a music transfer stores it: keys, chord-change\n"
     "rate, pulse and the highlight section. Any audio file FFmpeg reads is accepted: WAV files\n"
     "the detector reads are analysed as they are, others are decoded to a temporary WAV file\n"
     "in $TMPDIR first. Tracks shorter than 60 seconds are not analysed. Results are kept in\n"
     "the mood result cache ($XDG_CACHE_HOME/harbrook/mood); rows come in argument order.\n"
     "\n"
     "  --tsv   one tab-separated line per file: path, return code (-1 not decoded, 0 analysed),\n"
     "          analysis status (3328 success), then the 38 result words\n"
     "  --jobs N  files analysed at once (1 to 64; default: one per core)\n"
     "  --no-cache  analyse every file afresh, without the mood result cache\n"
     "              and the music file probes ($XDG_CACHE_HOME/harbrook/probes)\n"
     "  --      end of the options; every later argument is a file\n",
     "0 every file was analysed, 1 a file was not, 2 usage error"},
    {"build",
     "Builds the unit's music database in DIR/AVMTR from music folders (one playlist each,\n"
     "named after the folder, tracks in tag track-number order) and single files (all in the\n"
     "playlist \"New Album\"), as a music transfer prepares it. Files the unit cannot play are\n"
     "reported and left out. DIR/AVMTR must not exist yet. Ctrl-C, SIGTERM and SIGHUP cancel\n"
     "and leave nothing. A source that changes after its check fails the build. Tracks that\n"
     "lose their mood analysis (the decode failed) are built without it and listed at the end.\n"
     "\n"
     "  --out DIR     the folder to build in (required)\n"
     "  --no-detect   skip the mood detection\n"
     "  --jobs N      tracks decoded and analysed at once (1 to 64; default: one per core)\n"
     "  --no-cache    check and analyse every track afresh, without the mood result cache\n"
     "                ($XDG_CACHE_HOME/harbrook/mood) and the music file probes\n"
     "                ($XDG_CACHE_HOME/harbrook/probes)\n"
     "  --open F      start from the playlists of the saved edit data file F\n"
     "  --save F      save the playlists as the edit data file F after a successful build\n"
     "  --            end of the options; every later argument is a source\n",
     "0 built, 1 failed or a source not added, 2 usage error, 3 built but a track lost its\n"
     "mood analysis, 128 + the signal's number when cancelled (130 for Ctrl-C)"},
    {"inspect",
     "Prints a readable dump of a unit music database file (AVMTR.PPD, PLINFOnnn.PPD,\n"
     "TRACKnnn_nn.PPD) or of an edit data file, then every inconsistency found as a\n"
     "\"problem:\" line.\n",
     "0 consistent, 1 unreadable, unknown or inconsistent, 2 usage error"},
    {"mydb",
     "Works on a myDB text file (MYDB.txt), the database of the unit's music server.\n"
     "\n"
     "  check FILE   checks it as a transfer to the unit would\n"
     "  dump FILE    prints its rows as UTF-8 tab-separated text\n",
     kCommonExits},
    {"points",
     "Works on a point record file: the unit's POINTREC.V04, the PC point work file or a\n"
     "card copy.\n"
     "\n"
     "  dump FILE    prints its points, one per line, tab-separated UTF-8: slot, group, name,\n"
     "               reading, telephone, longitude and latitude (milliarcseconds), longitude\n"
     "               and latitude (decimal degrees), picture file, comment file\n",
     kCommonExits},
    {"send",
     "Sends a music edit data file (music), a myDB file (mydb) or a PC point work file (points)\n"
     "to the unit, as the transfer button does: over USB to the emulated unit of\n"
     "$HARBROOK_UNIT_DIR when that folder exists, otherwise by copying the unit's files to the\n"
     "removable drive DIR. The unit's files are built in a work folder in $TMPDIR, which is\n"
     "removed afterwards. Before points go over USB, the unit's own points are fetched and kept.\n"
     "A line on stderr shows the progress; Ctrl-C cancels as the cancel button does.\n"
     "\n"
     "  --card DIR    the removable drive (a folder) to copy to when no unit is connected\n"
     "  --no-detect   music: skip the mood detection\n",
     "0 sent or copied, 1 failed or refused (the store's or the library's message), 2 usage "
     "error, 130 cancelled"},
    {"fetch-points",
     "Fetches the registered points from the unit over USB (the emulated unit of\n"
     "$HARBROOK_UNIT_DIR) and writes them, with their pictures and comments, to the PC point\n"
     "work file OUT. Prints the number of points.\n",
     "0 fetched, 1 no unit, no points on it or OUT not written, 2 usage error, 130 cancelled"},
};

const CommandDetail* detailOf(const char* name) {
    for (const auto& detail : kDetails) {
        if (std::strcmp(detail.name, name) == 0) return &detail;
    }
    return nullptr;
}

}  // namespace

void printOverview(std::FILE* out) {
    std::fprintf(out, "usage: harbrook-cli COMMAND [ARGS...]\n\ncommands:\n");
    auto sorted = commands();
    std::sort(sorted.begin(), sorted.end(),
              [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
    for (const auto& c : sorted) {
        // A synopsis too long for its column gets a line of its own.
        const bool longSynopsis = std::strlen(c.usage) > kSynopsisWidth;
        if (longSynopsis) std::fprintf(out, "  %s\n", c.usage);
        std::fprintf(out, "  %-*s %s\n", static_cast<int>(kSynopsisWidth),
                     longSynopsis ? "" : c.usage, c.summary);
    }
    std::fprintf(out,
                 "\n'harbrook-cli COMMAND --help' shows the arguments and options of a command.\n");
}

void printCommandHelp(const Command& command, std::FILE* out) {
    std::fprintf(out, "usage: harbrook-cli %s\n\n", command.usage);
    const CommandDetail* detail = detailOf(command.name);
    std::fputs(detail ? detail->text : "", out);
    std::fprintf(out, "\nExit status: %s.\n", detail ? detail->exits : kCommonExits);
}

bool asksForHelp(const std::vector<std::string>& args) {
    for (const auto& arg : args) {
        if (arg == "--") return false;
        if (arg == "--help" || arg == "-h") return true;
    }
    return false;
}

}  // namespace cli
