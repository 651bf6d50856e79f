#include "FileListArgs.h"

#include "Messages.h"

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace cli {

int coreCount() {
    return std::max(1u, std::thread::hardware_concurrency());
}

bool parseJobs(const std::string& text, int& jobs) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > 64) return false;
    jobs = static_cast<int>(value);
    return true;
}

bool parseFileListArgs(const std::vector<std::string>& args, const char* command, const char* usage,
                       FileListArgs& out, unsigned options) {
    out.jobs = coreCount();
    bool optionsDone = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsDone && arg == "--") {
            optionsDone = true;
        } else if (!optionsDone && arg == "--tsv") {
            out.tsv = true;
        } else if (!optionsDone && arg == "--no-cache" && (options & kWithNoCache)) {
            out.noCache = true;
        } else if (!optionsDone && arg == "--jobs" && (options & kWithJobs)) {
            if (i + 1 == args.size() || !parseJobs(args[++i], out.jobs)) {
                std::fprintf(stderr, "harbrook-cli %s: %s\n%s", command,
                             tr("--jobs takes a number from 1 to 64"), usage);
                return false;
            }
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
