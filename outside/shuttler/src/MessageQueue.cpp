#include "MessageQueue.h"

#include <cstring>

namespace shuttler {

void MessageQueue::setTarget(platform::MessageTarget* target) {
    std::lock_guard lock(m_mutex);
    m_target = target;
}

void MessageQueue::pushProgress(std::string_view pcPath, unsigned percent) {
    auto record = std::make_unique<ShuttlerFileProgress>();
    std::memset(record.get(), 0, sizeof(ShuttlerFileProgress));
    std::size_t length = std::min(pcPath.size(), sizeof(record->path) - 1);
    std::memcpy(record->path, pcPath.data(), length);
    record->percent = static_cast<std::uint16_t>(percent > 100 ? 100 : percent);

    std::lock_guard lock(m_mutex);
    ShuttlerMsg msg{CShuttler::kMsgFileProgress, 0, reinterpret_cast<platform::LParam>(record.get())};
    m_records.push_back(std::move(record));
    pushLocked(msg);
}

void MessageQueue::push(unsigned message, platform::WParam wParam) {
    std::lock_guard lock(m_mutex);
    pushLocked(ShuttlerMsg{message, wParam, 0});
}

void MessageQueue::pushLocked(const ShuttlerMsg& msg) {
    m_messages.push_back(msg);
    // Posted under the lock so that the target sees the same order as the queue.
    if (m_target) m_target->post(msg.message, msg.wParam, msg.lParam);
}

bool MessageQueue::take(ShuttlerMsg& msg) {
    std::lock_guard lock(m_mutex);
    if (m_messages.empty()) return false;
    msg = m_messages.front();
    m_messages.pop_front();
    return true;
}

void MessageQueue::clear() {
    std::lock_guard lock(m_mutex);
    m_messages.clear();
    m_records.clear();
}

}  // namespace shuttler
