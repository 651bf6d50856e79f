#pragma once
// WorkQueue: one worker thread that runs tasks in order, for file system work that must not hold
// up the window (a folder of ten thousand files, a slow network mount). Each task gets a stop
// token; CancelAll() asks the running task to stop and drops the waiting ones. A task hands its
// result back to the UI thread itself (QMetaObject::invokeMethod with a context object) and must
// not touch its owner's members. The thread starts with the first task and is joined on
// destruction.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

namespace ui {

class WorkQueue {
public:
    using Task = std::function<void(std::stop_token)>;

    WorkQueue() = default;
    ~WorkQueue();
    WorkQueue(const WorkQueue&) = delete;
    WorkQueue& operator=(const WorkQueue&) = delete;

    void Post(Task task);
    void CancelAll();

private:
    void Run(std::stop_token quit);

    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::deque<Task> m_tasks;
    std::stop_source m_running;  // the running task's
    std::jthread m_thread;
};

}  // namespace ui
