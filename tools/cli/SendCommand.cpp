// harbrook-cli send: the transfer command without the GUI. Sends a music edit data file, a myDB
// file or a point work file to the emulated unit over USB when it is connected, otherwise copies
// it to the removable drive given with --card.
#include "Command.h"
#include "Interrupt.h"
#include "Messages.h"
#include "TransferTerminal.h"

#include <music/MusicData.h>
#include <mydb/MyDbData.h>
#include <points/CPointData.h>
#include <shell/AppSettings.h>
#include <transfer/PointFetch.h>
#include <transfer/TransferCommand.h>

#include <outside/Shuttler.h>
#include <platform/TempName.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: harbrook-cli send music|mydb|points FILE [--card DIR] [--no-detect]\n";

struct Options {
    int mode = -1;
    std::string file;
    std::string card;
    bool detect = true;
};

int modeOf(const std::string& word) {
    if (word == "music") return 0;
    if (word == "mydb") return 1;
    if (word == "points") return 2;
    return -1;
}

bool parseOptions(const std::vector<std::string>& args, Options* o) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--no-detect") {
            o->detect = false;
        } else if (args[i] == "--card" && i + 1 < args.size()) {
            o->card = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            cli::reportFailure("send", cli::format(cli::tr("unknown option '%s'"),
                                                   cli::printable(args[i]).c_str()));
            return false;
        } else {
            words.push_back(args[i]);
        }
    }
    if (words.size() != 2) return false;
    o->mode = modeOf(words[0]);
    o->file = words[1];
    return o->mode >= 0;
}

struct Stores {
    CMusicData music;
    CMyDbData myDb;
    points::CPointData points;
};

bool load(Stores& s, const Options& o) {
    const bool loaded = o.mode == 0   ? s.music.Load(o.file)
                        : o.mode == 1 ? s.myDb.Load(o.file)
                                      : s.points.ReadPointFile(o.file, points::CPointData::kReplacePcPoints);
    if (loaded) return true;
    const CTransferData& store = o.mode == 0   ? static_cast<const CTransferData&>(s.music)
                                 : o.mode == 1 ? static_cast<const CTransferData&>(s.myDb)
                                               : static_cast<const CTransferData&>(s.points);
    const std::string problem = cli::inputProblem(o.file);
    cli::reportFailure("send", o.file, problem.empty() ? store.ErrorText() : problem);
    return false;
}

// A point set sent to the unit replaces the unit's: its points are fetched and kept first, as
// the point view does when the unit is plugged in.
bool keepUnitPoints(Stores& s, AppSettings& settings, cli::TerminalPrompts& prompts) {
    cli::TerminalTransferProgress progress;
    PointFetch fetch(s.points, settings, progress, prompts);
    fetch.SetWorkBase(platform::tempFolder());
    const PointFetch::Result result = fetch.Run();
    if (result == PointFetch::Result::Failed && fetch.LastResult() == CShuttler::kNoUnitData) {
        s.points.SetTransferAllowed(true);  // nothing on the unit to keep
        return true;
    }
    int count = 0;
    if (result != PointFetch::Result::Fetched || !fetch.Stage(count)) return false;
    if (!s.points.CanAddPoints(count)) {
        cli::reportFailure("send", s.points.ErrorText());
        return false;
    }
    if (fetch.Merge()) return true;
    cli::reportFailure("send", s.points.ErrorText());
    return false;
}

int exitCodeOf(TransferCommand::Outcome outcome) {
    switch (outcome) {
    case TransferCommand::Outcome::Done:
        return cli::kExitOk;
    case TransferCommand::Outcome::Cancelled:
        cli::reportFailure("send", cli::tr("cancelled"));
        return cli::interruptSignal() != 0 ? cli::interruptedExitCode() : cli::kExitFailed;
    default:
        return cli::kExitFailed;
    }
}

int run(const std::vector<std::string>& args) {
    Options o;
    if (!parseOptions(args, &o)) {
        std::fprintf(stderr, "%s", kUsage);
        return cli::kExitUsage;
    }
    cli::InterruptGuard interrupts;
    auto stores = std::make_unique<Stores>();
    if (!load(*stores, o)) return cli::kExitFailed;

    CShuttler::Initialize(nullptr, 0);
    const bool usb = CShuttler::GetUsbStatus() != 0;
    if (!usb && o.card.empty()) {
        cli::reportFailure("send", cli::tr("the unit is not connected (HARBROOK_UNIT_DIR); "
                                           "give --card DIR to copy to a removable drive"));
        CShuttler::Release();
        return cli::kExitFailed;
    }
    AppSettings settings;
    settings.withDJ = o.detect ? 1 : 0;
    settings.tempFolder = 0;
    Stores& s = *stores;
    cli::TerminalPrompts prompts("send", o.card, [&](const std::string& root) {
        return static_cast<unsigned long long>(o.mode == 0   ? s.music.MediaBytes(root)
                                               : o.mode == 1 ? s.myDb.MediaBytes(root)
                                                             : s.points.MediaBytes(root));
    });
    int code = cli::kExitFailed;
    if (o.mode != 2 || !usb || keepUnitPoints(s, settings, prompts)) {
        cli::TerminalTransferProgress progress;
        TransferCommand command({s.music, s.myDb, s.points}, settings, progress, prompts,
                                {[usb] { return usb; }, {}, {}});
        command.SetWorkBase(platform::tempFolder());
        command.SetPauses(std::chrono::milliseconds(0));
        code = exitCodeOf(command.Run(o.mode));
    }
    CShuttler::Release();
    if (o.mode == 0) s.music.ClearAll();
    return code;
}

}  // namespace

HARBROOK_CLI_COMMAND(send, "send", "send music|mydb|points FILE [--card DIR] [--no-detect]",
                     "send an edit data, myDB or point work file to the unit (or a card)", run);
