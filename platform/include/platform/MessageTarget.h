#pragma once
// Where the core reports progress and results: the window handle + message number of the original
// design. The GUI implements it over Qt events; tests record the messages.
#include <cstdint>

namespace platform {

using WParam = std::uintptr_t;
using LParam = std::intptr_t;

class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    // Thread-safe and asynchronous: may be called from any thread.
    virtual void post(unsigned message, WParam wParam, LParam lParam) = 0;
    // Synchronous, on the caller's (UI) thread; returns the handler's result.
    virtual LParam send(unsigned message, WParam wParam, LParam lParam) = 0;
};

// Posts to `target` when there is one; a null target drops the message, as a null window would.
inline void postTo(MessageTarget* target, unsigned message, WParam wParam, LParam lParam) {
    if (target && message != 0) target->post(message, wParam, lParam);
}

}  // namespace platform
