#pragma once
// What the transfer progress window shows, without the window: the bar's range and position, the
// percentage and counter texts, the title and message. The progress messages of the build job,
// the decoder, the detector and the copier (0x536 to 0x53B) act on it; a window or a terminal
// line draws it.
#include <platform/MessageNumbers.h>
#include <platform/MessageTarget.h>

#include <string>

class ProgressModel {
public:
    // The messages, by their effect on the bar.
    static constexpr unsigned kMsgItems = 0x536;        // wParam items n: range 0..10n
    static constexpr unsigned kMsgItem = 0x537;         // wParam item i: position 10i
    static constexpr unsigned kMsgSubProgress = 0x538;  // lParam 0-100 within the item
    static constexpr unsigned kMsgSubForward = 0x539;   // as 0x538, never moving back
    static constexpr unsigned kMsgTotalDone = 0x53A;    // wParam total, lParam done
    static constexpr unsigned kMsgCounter = 0x53B;      // wParam count n, lParam number k
    static_assert(kMsgItems == platform::msg::kBuildRange);
    static_assert(kMsgTotalDone == platform::msg::kCopyProgress);
    static_assert(kMsgCounter == platform::msg::kTransferFile);

    static bool IsProgressMessage(unsigned message) {
        return message >= kMsgItems && message <= kMsgCounter;
    }

    // Acts on one progress message; false for any other message. kMsgItems also asks for the
    // cancel event to be reset, which the caller sees through ResetCancelRequested().
    bool Handle(unsigned message, platform::WParam wParam, platform::LParam lParam);

    void Reset(bool showCounter);
    void SetRange(int minimum, int maximum);
    void SetPos(int position);
    void SetCounter(int number, int count);
    void SetTitle(std::string text) { m_title = std::move(text); }
    void SetMessage(std::string text) { m_message = std::move(text); }

    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    int Position() const { return m_position; }
    // 100 only at the top of the range; any other position shows at most 99.
    int Percent() const;
    // "%d %%" of Percent().
    std::string PercentText() const;
    // "%d / %d"; empty while the counter is hidden or not set.
    std::string CounterText() const { return m_showCounter ? m_counter : std::string(); }
    bool CounterShown() const { return m_showCounter; }
    const std::string& Title() const { return m_title; }
    const std::string& Message() const { return m_message; }
    // True once after a kMsgItems message.
    bool ResetCancelRequested();

private:
    void SubProgress(platform::LParam percent);

    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
    int m_index = 0;
    int m_highest = 0;
    bool m_showCounter = false;
    bool m_resetCancel = false;
    std::string m_counter;
    std::string m_title;
    std::string m_message;
};
