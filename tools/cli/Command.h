#pragma once
// harbrook-cli sub-commands register themselves here, one file per command, so that each
// subsystem adds its command without touching the others.
#include <string>
#include <vector>

namespace cli {

// Exit status conventions: 0 success, 1 a file failed or was refused, 2 usage error; build: 3
// built, but a track lost its mood analysis.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitAnalysisLost = 3;

using CommandFunction = int (*)(const std::vector<std::string>& args);

struct Command {
    const char* name;
    const char* usage;  // one line: "check [--tsv] FILE..."
    const char* summary;
    CommandFunction run;
};

// Registers a command at static initialisation time; returns true so it can initialise a static.
bool registerCommand(const Command& command);
const std::vector<Command>& commands();

}  // namespace cli

#define HARBROOK_CLI_COMMAND(ident, ...) \
    static const bool ident##_registered = ::cli::registerCommand(::cli::Command{__VA_ARGS__})
