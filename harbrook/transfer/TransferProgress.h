#pragma once
// The transfer progress window as the transfers drive it: Begin/End, texts, range, position,
// counter, and Pump between steps, which also turns a cancel request into the cancel event that
// the build job and the copier poll. It is the message target of the build job, the decoder, the
// detector and the copier: sent messages act at once, posted ones (from worker threads) wait for
// the next Pump or position change. A dialog or a terminal line draws it (Refresh).
#include <transfer/ProgressModel.h>

#include <platform/Event.h>
#include <platform/MessageTarget.h>

#include <deque>
#include <mutex>
#include <string>
#include <tuple>

class TransferProgress : public platform::MessageTarget {
public:
    TransferProgress() = default;
    ~TransferProgress() override = default;
    TransferProgress(const TransferProgress&) = delete;
    TransferProgress& operator=(const TransferProgress&) = delete;

    // Opens the window (OnBegin), resets the cancel event, sets the range 0 to 100 and shows or
    // hides the counter. False when the window cannot be made.
    bool Begin(bool showCounter);
    // Closes the window; harmless when it is not open.
    void End();
    bool IsOpen() const { return m_open; }

    void SetTitle(const std::string& text);
    void SetMessage(const std::string& text);
    void SetRange(int minimum, int maximum);
    // Dispatches what is pending first, then moves the bar.
    void SetPos(int position);
    void SetCounter(int number, int count);
    // Draws at once (before a pause the user should see).
    void Repaint() { Refresh(); }

    // Dispatches pending messages; true when the user asked to cancel since the last Pump, in
    // which case the cancel event is now set.
    bool Pump();
    // The cancel button and Escape: remembered until the next Pump.
    void RequestCancel() { m_cancelRequested = true; }
    platform::Event& CancelEvent() { return m_cancel; }
    const ProgressModel& Model() const { return m_model; }

    // platform::MessageTarget
    void post(unsigned message, platform::WParam wParam, platform::LParam lParam) override;
    platform::LParam send(unsigned message, platform::WParam wParam,
                          platform::LParam lParam) override;

protected:
    // Makes the window (and does what opening means to the owner); false on failure.
    virtual bool OnBegin(bool showCounter) = 0;
    virtual void OnEnd() = 0;
    // Shows the model's current state.
    virtual void Refresh() = 0;
    // Handles the thread's pending window events (the dialog's own clicks and keys).
    virtual void ProcessEvents() {}

private:
    void DispatchPending();
    void Handle(unsigned message, platform::WParam wParam, platform::LParam lParam);

    ProgressModel m_model;
    platform::Event m_cancel{true, false};
    bool m_cancelRequested = false;
    bool m_open = false;
    bool m_dispatching = false;
    std::mutex m_queueMutex;
    std::deque<std::tuple<unsigned, platform::WParam, platform::LParam>> m_queue;
};
