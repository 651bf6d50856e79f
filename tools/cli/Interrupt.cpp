#include "Interrupt.h"

#include <atomic>
#include <csignal>

namespace cli {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<int> g_signal{0};
static_assert(std::atomic<int>::is_always_lock_free);

struct sigaction g_previous[std::size(kSignals)];

extern "C" void onSignal(int number) {
    int none = 0;
    g_signal.compare_exchange_strong(none, number);
}

}  // namespace

InterruptGuard::InterruptGuard() {
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &action, &g_previous[i]);
}

InterruptGuard::~InterruptGuard() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &g_previous[i], nullptr);
}

int interruptSignal() {
    return g_signal.load();
}

int interruptedExitCode() {
    return 128 + g_signal.load();
}

}  // namespace cli
