#pragma once
// Ctrl-C, SIGTERM and SIGHUP end a long command the same way: the command notices, stops its
// work, removes what it had begun (temporary files, a half-built folder) and exits with
// 128 + the signal's number.
namespace cli {

// Catches SIGINT, SIGTERM and SIGHUP while it exists; the previous handlers come back after.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;
};

// The number of the first signal caught, or 0.
int interruptSignal();

// The exit status for an interrupted command: 128 + the signal's number.
int interruptedExitCode();

}  // namespace cli
