#include <testsupport/RecordingTarget.h>

namespace testsupport {

void RecordingTarget::post(unsigned message, platform::WParam wParam, platform::LParam lParam) {
    std::lock_guard lock(m_mutex);
    m_messages.push_back({message, wParam, lParam, false});
}

platform::LParam RecordingTarget::send(unsigned message, platform::WParam wParam,
                                       platform::LParam lParam) {
    std::lock_guard lock(m_mutex);
    m_messages.push_back({message, wParam, lParam, true});
    return sendResult;
}

std::vector<RecordedMessage> RecordingTarget::messages() const {
    std::lock_guard lock(m_mutex);
    return m_messages;
}

std::vector<RecordedMessage> RecordingTarget::messages(unsigned message) const {
    std::lock_guard lock(m_mutex);
    std::vector<RecordedMessage> out;
    for (const auto& m : m_messages)
        if (m.message == message) out.push_back(m);
    return out;
}

void RecordingTarget::clear() {
    std::lock_guard lock(m_mutex);
    m_messages.clear();
}

}  // namespace testsupport
