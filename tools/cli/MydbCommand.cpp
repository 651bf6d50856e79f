// harbrook-cli mydb: checks a myDB text file as the transfer does, or prints its rows as UTF-8.
#include "Command.h"
#include "Messages.h"

#include <mydb/MyDbData.h>
#include <platform/Cp932.h>

#include <cstdio>
#include <string>

namespace {

const char* fieldName(MyDbField field) {
    switch (field) {
        case MyDbField::No:
            return cli::tr("NO");
        case MyDbField::Title:
            return cli::tr("title");
        case MyDbField::TitleReading:
            return cli::tr("title reading");
        case MyDbField::Artist:
            return cli::tr("artist");
        case MyDbField::Genre:
            return cli::tr("genre");
        case MyDbField::Year:
            return cli::tr("year");
        case MyDbField::ArtistReading:
            return cli::tr("artist reading");
        case MyDbField::CandidateTitle:
            return cli::tr("candidate title");
        default:
            return cli::tr("command");
    }
}

// Loads `path`; on failure names the file and the reason on stderr and returns false. Every
// field whose text the character rules refused is reported with its line and column.
bool load(CMyDbData& store, const std::string& path) {
    if (!store.Load(path)) {
        const std::string problem = cli::inputProblem(path);
        cli::reportFailure("mydb", path, problem.empty() ? store.ErrorText() : problem);
        return false;
    }
    for (const MyDbEmptiedField& e : store.EmptiedFields()) {
        cli::reportFailure("mydb", cli::format(cli::tr("%s:%d: column %d (%s): text the unit "
                                                       "cannot take; the field is left empty"),
                                               cli::printable(path).c_str(), e.line, e.column + 1,
                                               fieldName(e.field)));
    }
    return true;
}

int check(const std::string& path) {
    CMyDbData store;
    if (!load(store, path)) return cli::kExitFailed;
    if (!store.Check()) {
        cli::reportFailure("mydb", path, store.ErrorText());
        return cli::kExitFailed;
    }
    if (!store.EmptiedFields().empty()) {
        cli::reportFailure("mydb", path,
                           cli::format(cli::tr("%d rows, %zu fields left empty"),
                                       store.GetRowCount(), store.EmptiedFields().size()));
        return cli::kExitFailed;
    }
    std::printf("%s: OK (%d rows)\n", cli::printable(path).c_str(), store.GetRowCount());
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
            out += cli::printable(
                platform::cp932ToUtf8Lossy(mydb::fieldText(row, static_cast<MyDbField>(f))));
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
