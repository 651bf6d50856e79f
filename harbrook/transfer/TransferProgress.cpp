#include "transfer/TransferProgress.h"

bool TransferProgress::Begin(bool showCounter) {
    if (m_open) End();
    m_model.Reset(showCounter);
    m_cancelRequested = false;
    m_cancel.reset();
    if (!OnBegin(showCounter)) return false;
    m_open = true;
    Refresh();
    return true;
}

void TransferProgress::End() {
    if (!m_open) return;
    m_open = false;
    OnEnd();
}

void TransferProgress::SetTitle(const std::string& text) {
    if (text == m_model.Title()) return;
    m_model.SetTitle(text);
    Refresh();
}

void TransferProgress::SetMessage(const std::string& text) {
    if (text == m_model.Message()) return;
    m_model.SetMessage(text);
    Refresh();
}

void TransferProgress::SetRange(int minimum, int maximum) {
    m_model.SetRange(minimum, maximum);
    Refresh();
}

void TransferProgress::SetPos(int position) {
    DispatchPending();
    m_model.SetPos(position);
    Refresh();
}

void TransferProgress::SetCounter(int number, int count) {
    m_model.SetCounter(number, count);
    Refresh();
}

bool TransferProgress::Pump() {
    DispatchPending();
    if (!m_cancelRequested) return false;
    m_cancelRequested = false;
    m_cancel.set();
    return true;
}

void TransferProgress::post(unsigned message, platform::WParam wParam, platform::LParam lParam) {
    std::lock_guard lock(m_queueMutex);
    m_queue.emplace_back(message, wParam, lParam);
}

platform::LParam TransferProgress::send(unsigned message, platform::WParam wParam,
                                        platform::LParam lParam) {
    Handle(message, wParam, lParam);
    return 0;
}

void TransferProgress::Handle(unsigned message, platform::WParam wParam,
                              platform::LParam lParam) {
    // Setting a position dispatches what is pending first, as the window does.
    if (message != ProgressModel::kMsgCounter && message != ProgressModel::kMsgItems) {
        DispatchPending();
    }
    if (!m_model.Handle(message, wParam, lParam)) return;
    if (m_model.ResetCancelRequested()) m_cancel.reset();
    Refresh();
}

void TransferProgress::DispatchPending() {
    // A message handled here may set a position, which dispatches again: once is enough.
    if (m_dispatching) return;
    m_dispatching = true;
    ProcessEvents();
    while (true) {
        std::tuple<unsigned, platform::WParam, platform::LParam> next;
        {
            std::lock_guard lock(m_queueMutex);
            if (m_queue.empty()) break;
            next = m_queue.front();
            m_queue.pop_front();
        }
        if (m_model.Handle(std::get<0>(next), std::get<1>(next), std::get<2>(next))) {
            if (m_model.ResetCancelRequested()) m_cancel.reset();
        }
    }
    Refresh();
    m_dispatching = false;
}
