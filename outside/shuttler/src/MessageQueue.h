#pragma once
// The queue of transfer messages between the worker thread and ShuttlerGetMessage(). It owns the
// progress records that kMsgFileProgress messages point to and keeps them until clear().
#include <outside/Shuttler.h>

#include <deque>
#include <memory>
#include <mutex>
#include <string_view>

namespace shuttler {

class MessageQueue {
public:
    // Where a copy of every pushed message is posted (may be null).
    void setTarget(platform::MessageTarget* target);

    // Thread-safe.
    void pushProgress(std::string_view pcPath, unsigned percent);
    void push(unsigned message, platform::WParam wParam);
    bool take(ShuttlerMsg& msg);

    // Drops every queued message and frees every record (no transfer may be running).
    void clear();

private:
    void pushLocked(const ShuttlerMsg& msg);

    std::mutex m_mutex;
    platform::MessageTarget* m_target = nullptr;
    std::deque<ShuttlerMsg> m_messages;
    std::deque<std::unique_ptr<ShuttlerFileProgress>> m_records;
};

}  // namespace shuttler
