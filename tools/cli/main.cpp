// harbrook-cli: the command-line front end over Harbrook's core libraries.
#include "Command.h"
#include "CommandHelp.h"
#include "Messages.h"

#include <soundkit/Soundkit.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    cli::initMessages();
    if (argc < 2) {
        cli::printOverview(stdout);
        return cli::kExitUsage;
    }
    const std::string name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    const bool helpCommand = name == "help" && !args.empty();
    if (name == "--help" || name == "-h" || (name == "help" && args.empty())) {
        cli::printOverview(stdout);
        return cli::kExitOk;
    }
    const std::string& wanted = helpCommand ? args[0] : name;
    for (const auto& c : cli::commands()) {
        if (wanted != c.name) continue;
        if (helpCommand || cli::asksForHelp(args)) {
            cli::printCommandHelp(c, stdout);
            return cli::kExitOk;
        }
        // Music files once checked are not opened again while they stay unchanged, unless the
        // command is told to use no cached results.
        if (std::find(args.begin(), args.end(), "--no-cache") == args.end())
            CSoundkit::UseProbeFile(CSoundkit::DefaultProbeFile().c_str());
        return c.run(args);
    }
    std::fprintf(
        stderr, "harbrook-cli: %s\n\n",
        cli::format(cli::tr("unknown command '%s'"), cli::printable(wanted).c_str()).c_str());
    cli::printOverview(stderr);
    return cli::kExitUsage;
}
