// harbrook-cli fetch-points: brings the unit's registered points over USB (the emulated unit of
// HARBROOK_UNIT_DIR) and writes them to a PC point work file, with their pictures and comments.
#include "Command.h"
#include "Interrupt.h"
#include "Messages.h"
#include "TransferTerminal.h"

#include <points/CPointData.h>
#include <shell/AppSettings.h>
#include <transfer/PointFetch.h>

#include <outside/Shuttler.h>
#include <platform/TempName.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

int fetchInto(const std::string& out) {
    auto store = std::make_unique<points::CPointData>();
    AppSettings settings;
    cli::TerminalTransferProgress progress;
    cli::TerminalPrompts prompts("fetch-points", {}, [](const std::string&) { return 0ull; });
    PointFetch fetch(*store, settings, progress, prompts);
    fetch.SetWorkBase(platform::tempFolder());
    const PointFetch::Result result = fetch.Run();
    if (result != PointFetch::Result::Fetched) {
        if (fetch.LastResult() == CShuttler::kStopped && cli::interruptSignal() != 0)
            return cli::interruptedExitCode();
        if (result == PointFetch::Result::NotStarted)
            cli::reportFailure("fetch-points", cli::tr("the work folder cannot be made (TMPDIR)"));
        return cli::kExitFailed;
    }
    int count = 0;
    if (!fetch.Stage(count) || !fetch.Merge() ||
        !store->WritePointFile(out, points::CPointData::kSelectListed)) {
        cli::reportFailure("fetch-points", out, store->ErrorText());
        return cli::kExitFailed;
    }
    std::printf("%d\n", store->PointCount());
    return cli::kExitOk;
}

int run(const std::vector<std::string>& args) {
    if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) {
        std::fprintf(stderr, "usage: harbrook-cli fetch-points OUT\n");
        return cli::kExitUsage;
    }
    cli::InterruptGuard interrupts;
    CShuttler::Initialize(nullptr, 0);
    int code = cli::kExitFailed;
    if (CShuttler::GetUsbStatus() == 0) {
        cli::reportFailure("fetch-points", cli::tr("the unit is not connected (HARBROOK_UNIT_DIR)"));
    } else {
        code = fetchInto(args[0]);
    }
    CShuttler::Release();
    return code;
}

}  // namespace

HARBROOK_CLI_COMMAND(fetch_points, "fetch-points", "fetch-points OUT",
                     "fetch the unit's points into the point work file OUT", run);
