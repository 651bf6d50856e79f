#pragma once
// The help of harbrook-cli: the overview of every command ("harbrook-cli --help") and one
// command's full usage ("harbrook-cli COMMAND --help", "harbrook-cli help COMMAND"). The detailed
// text of every command lives in CommandHelp.cpp, next to the others.
#include "Command.h"

#include <cstdio>
#include <string>
#include <vector>

namespace cli {

// Usage line, then each command's synopsis and summary, in name order.
void printOverview(std::FILE* out);
// The command's synopsis, summary, arguments, options and exit statuses.
void printCommandHelp(const Command& command, std::FILE* out);
// Whether `args` ask for help: "--help" or "-h" before any "--".
bool asksForHelp(const std::vector<std::string>& args);

}  // namespace cli
