#include "FileListArgs.h"

#include "Messages.h"

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
            std::fprintf(stderr, "harbrook-cli %s: %s\n%s", command,
                         format(tr("unknown option '%s'"), printable(arg).c_str()).c_str(), usage);
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
