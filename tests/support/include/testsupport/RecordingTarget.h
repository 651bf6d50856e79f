#pragma once
// A MessageTarget that records every posted or sent message, for assertions in tests.
#include <platform/MessageTarget.h>

#include <mutex>
#include <vector>

namespace testsupport {

struct RecordedMessage {
    unsigned message;
    platform::WParam wParam;
    platform::LParam lParam;
    bool sent;  // true for send(), false for post()
};

class RecordingTarget : public platform::MessageTarget {
public:
    void post(unsigned message, platform::WParam wParam, platform::LParam lParam) override;
    platform::LParam send(unsigned message, platform::WParam wParam,
                          platform::LParam lParam) override;

    std::vector<RecordedMessage> messages() const;
    // Only the messages with this number, in order.
    std::vector<RecordedMessage> messages(unsigned message) const;
    void clear();
    // What send() returns.
    platform::LParam sendResult = 0;

private:
    mutable std::mutex m_mutex;
    std::vector<RecordedMessage> m_messages;
};

}  // namespace testsupport
