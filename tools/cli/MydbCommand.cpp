// harbrook-cli mydb: checks a myDB text file as the transfer does, or prints its rows as UTF-8.
#include "Command.h"

#include <mydb/MyDbData.h>
#include <platform/Cp932.h>

#include <cstdio>
#include <string>

namespace {

// Loads `path`; on failure prints the store's message and returns false.
bool load(CMyDbData& store, const std::string& path) {
    if (store.Load(path)) return true;
    std::printf("%s: %s\n", path.c_str(), store.ErrorText().c_str());
    return false;
}

int check(const std::string& path) {
    CMyDbData store;
    if (!load(store, path)) return cli::kExitFailed;
    if (!store.Check()) {
        std::printf("%s: %s\n", path.c_str(), store.ErrorText().c_str());
        return cli::kExitFailed;
    }
    std::printf("%s: OK (%d rows)\n", path.c_str(), store.GetRowCount());
    return cli::kExitOk;
}

int dump(const std::string& path) {
    CMyDbData store;
    if (!load(store, path)) return cli::kExitFailed;
    std::string out;
    MyDbRow row;
    for (int i = 0; store.GetRow(i, row); ++i) {
        for (int f = 0; f < kMyDbFieldCount; ++f) {
            if (f > 0) out.push_back('\t');
            out += platform::cp932ToUtf8Lossy(mydb::fieldText(row, static_cast<MyDbField>(f)));
        }
        out.push_back('\n');
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return cli::kExitOk;
}

int run(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "check") return check(args[1]);
    if (args.size() == 2 && args[0] == "dump") return dump(args[1]);
    std::fprintf(stderr, "usage: harbrook-cli mydb check|dump FILE\n");
    return cli::kExitUsage;
}

}  // namespace

HARBROOK_CLI_COMMAND(mydb, "mydb", "mydb check|dump FILE",
                     "check a myDB file as a transfer would, or print its rows as UTF-8", run);
