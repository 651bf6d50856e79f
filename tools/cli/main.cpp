// harbrook-cli: the command-line front end over Harbrook's core libraries.
#include "Command.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <string>

namespace cli {

static std::vector<Command>& registry() {
    static std::vector<Command> all;
    return all;
}

bool registerCommand(const Command& command) {
    registry().push_back(command);
    return true;
}

const std::vector<Command>& commands() { return registry(); }

}  // namespace cli

static void printUsage(std::FILE* out) {
    std::fprintf(out, "usage: harbrook-cli COMMAND [ARGS...]\n\ncommands:\n");
    auto sorted = cli::commands();
    std::sort(sorted.begin(), sorted.end(),
              [](const cli::Command& a, const cli::Command& b) { return std::string(a.name) < b.name; });
    for (const auto& c : sorted) std::fprintf(out, "  %-40s %s\n", c.usage, c.summary);
}

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    if (argc < 2) {
        printUsage(stdout);
        return cli::kExitUsage;
    }
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(stdout);
        return cli::kExitOk;
    }
    for (const auto& c : cli::commands()) {
        if (name == c.name) return c.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "harbrook-cli: unknown command '%s'\n\n", name.c_str());
    printUsage(stderr);
    return cli::kExitUsage;
}
