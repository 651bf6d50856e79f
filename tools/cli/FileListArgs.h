#pragma once
// The "[--tsv] FILE..." arguments shared by the per-file commands.
#include <string>
#include <vector>

namespace cli {

struct FileListArgs {
    bool tsv = false;
    std::vector<std::string> files;
};

// Parses `args`; "--" ends the options. On an unknown option or no file it prints the reason and
// `usage` to stderr and returns false (the caller exits with kExitUsage).
bool parseFileListArgs(const std::vector<std::string>& args, const char* command,
                       const char* usage, FileListArgs& out);

}  // namespace cli
