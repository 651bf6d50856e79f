#include "music/MusicWorker.h"

#include <system_error>
#include <utility>

bool MusicWorker::Start(std::function<void()> work) {
    Join();
    m_busy.store(1, std::memory_order_release);
    try {
        m_thread = std::thread([this, job = std::move(work)] {
            job();
            m_busy.store(0, std::memory_order_release);
        });
    } catch (const std::system_error&) {
        m_busy.store(0, std::memory_order_release);
        return false;
    }
    return true;
}

void MusicWorker::Join() {
    if (m_thread.joinable()) m_thread.join();
}
