#include "FileListArgs.h"

#include <cstdio>

namespace cli {

bool parseFileListArgs(const std::vector<std::string>& args, const char* command,
                       const char* usage, FileListArgs& out) {
    bool optionsDone = false;
    for (const auto& arg : args) {
        if (!optionsDone && arg == "--") {
            optionsDone = true;
        } else if (!optionsDone && arg == "--tsv") {
            out.tsv = true;
        } else if (!optionsDone && arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "harbrook-cli %s: unknown option '%s'\n%s", command, arg.c_str(),
                         usage);
            return false;
        } else {
            out.files.push_back(arg);
        }
    }
    if (out.files.empty()) {
        std::fprintf(stderr, "%s", usage);
        return false;
    }
    return true;
}

}  // namespace cli
