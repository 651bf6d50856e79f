#include "transfer/ProgressModel.h"

#include <algorithm>
#include <cstdio>

bool ProgressModel::Handle(unsigned message, platform::WParam wParam, platform::LParam lParam) {
    switch (message) {
    case kMsgItems:
        m_resetCancel = true;
        m_index = 0;
        m_highest = 0;
        SetRange(0, static_cast<int>(std::min<platform::WParam>(wParam, 1 << 26)) * 10);
        return true;
    case kMsgItem:
        m_index = static_cast<int>(std::min<platform::WParam>(wParam, 1 << 26));
        m_highest = 0;
        SetPos(10 * m_index);
        return true;
    case kMsgSubProgress:
        SubProgress(lParam);
        return true;
    case kMsgSubForward:
        if (lParam < m_highest) return true;
        m_highest = static_cast<int>(std::min<platform::LParam>(lParam, 100));
        SubProgress(lParam);
        return true;
    case kMsgTotalDone:
        if (wParam != 0) {
            SetRange(0, 100);
            SetPos(static_cast<int>(static_cast<std::uint64_t>(std::max<platform::LParam>(lParam, 0)) *
                                    100 / wParam));
        } else {
            SetPos(static_cast<int>(lParam));
        }
        return true;
    case kMsgCounter:
        SetCounter(static_cast<int>(lParam), static_cast<int>(wParam));
        return true;
    default:
        return false;
    }
}

void ProgressModel::SubProgress(platform::LParam percent) {
    const int p = static_cast<int>(std::clamp<platform::LParam>(percent, 0, 100));
    SetPos(p / 10 + 10 * m_index);
}

void ProgressModel::Reset(bool showCounter) {
    m_minimum = 0;
    m_maximum = 100;
    m_position = 0;
    m_index = 0;
    m_highest = 0;
    m_showCounter = showCounter;
    m_counter.clear();
}

void ProgressModel::SetRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
}

void ProgressModel::SetPos(int position) { m_position = position; }

void ProgressModel::SetCounter(int number, int count) {
    char text[32];
    std::snprintf(text, sizeof text, "%d / %d", number, count);
    m_counter = text;
}

int ProgressModel::Percent() const {
    if (m_maximum == m_minimum) return 0;
    const long long percent =
        (static_cast<long long>(m_position) - m_minimum) * 100 / (m_maximum - m_minimum);
    return percent == 100 ? 100 : static_cast<int>(percent % 100);
}

std::string ProgressModel::PercentText() const { return std::to_string(Percent()) + " %"; }

bool ProgressModel::ResetCancelRequested() {
    const bool requested = m_resetCancel;
    m_resetCancel = false;
    return requested;
}
