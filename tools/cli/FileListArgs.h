#pragma once
// The "[--tsv] FILE..." arguments shared by the per-file commands, with the options some of them
// add: "--jobs N" (files analysed at once) and "--no-cache" (bypass the mood result cache).
#include <string>
#include <vector>

namespace cli {

struct FileListArgs {
    bool tsv = false;
    int jobs = 1;
    bool noCache = false;
    std::vector<std::string> files;
};

// Options beyond --tsv that a command takes.
enum FileListOption : unsigned { kWithJobs = 1, kWithNoCache = 2 };

// Parses `args`; "--" ends the options. On an unknown option, a bad value or no file it prints
// the reason and `usage` to stderr and returns false (the caller exits with kExitUsage).
// `jobs` starts at the number of cores.
bool parseFileListArgs(const std::vector<std::string>& args, const char* command, const char* usage,
                       FileListArgs& out, unsigned options = 0);

// The number of cores, at least 1.
int coreCount();
// Reads the value of --jobs: a whole number from 1 to 64.
bool parseJobs(const std::string& text, int& jobs);

}  // namespace cli
