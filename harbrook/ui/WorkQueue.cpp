#include <ui/WorkQueue.h>

namespace ui {

WorkQueue::~WorkQueue() {
    CancelAll();
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

void WorkQueue::Post(Task task) {
    {
        std::lock_guard lock(m_mutex);
        m_tasks.push_back(std::move(task));
        if (!m_thread.joinable())
            m_thread = std::jthread([this](std::stop_token quit) { Run(quit); });
    }
    m_wake.notify_one();
}

void WorkQueue::CancelAll() {
    std::lock_guard lock(m_mutex);
    m_tasks.clear();
    m_running.request_stop();
}

void WorkQueue::Run(std::stop_token quit) {
    for (;;) {
        Task task;
        std::stop_token stop;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, quit, [this] { return !m_tasks.empty(); })) return;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
            m_running = std::stop_source();
            stop = m_running.get_token();
        }
        task(stop);
    }
}

}  // namespace ui
