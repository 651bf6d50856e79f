#pragma once
// Command routing in place of the window system's: the frame offers a command to its targets in a
// fixed order, and the first that handles it consumes it. Enabled states are asked the same way.
#include <optional>
#include <string>

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // True when this target handled (consumed) the command.
    virtual bool onCommand(int id) = 0;
    // The command's enabled state when this target decides it; nullopt passes the question on.
    virtual std::optional<bool> commandEnabled(int id) { (void)id; return std::nullopt; }
    // The command's menu text (UTF-8) when this target words it differently from the menu;
    // nullopt passes the question on.
    virtual std::optional<std::string> commandText(int id) { (void)id; return std::nullopt; }
};
