#include <platform/Event.h>

#include <chrono>

namespace platform {

Event::Event(bool manualReset, bool initiallySet) : m_manualReset(manualReset), m_set(initiallySet) {}

void Event::set() {
    {
        std::lock_guard lock(m_mutex);
        m_set = true;
    }
    if (m_manualReset)
        m_changed.notify_all();
    else
        m_changed.notify_one();
}

void Event::reset() {
    std::lock_guard lock(m_mutex);
    m_set = false;
}

bool Event::wait(int milliseconds) {
    std::unique_lock lock(m_mutex);
    auto isSignalled = [this] { return m_set; };
    bool signalled;
    if (milliseconds < 0) {
        m_changed.wait(lock, isSignalled);
        signalled = true;
    } else {
        signalled = m_changed.wait_for(lock, std::chrono::milliseconds(milliseconds), isSignalled);
    }
    if (signalled && !m_manualReset) m_set = false;
    return signalled;
}

bool Event::isSet() const {
    std::lock_guard lock(m_mutex);
    return m_set;
}

}  // namespace platform
