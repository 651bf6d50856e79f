#pragma once
// CUsbPoller: the frame's watch on the unit's USB connection. Each tick reads the transfer
// library's status; a change switches the transfer button and, in point mode, fetches the unit's
// points (connected) or clears them (disconnected). When the frame cannot act at once (another
// mode, minimised, a menu open, disabled) the fetch or clear stays pending until it can.
// The state and both flags live in the application data.
#include <functional>

class CAppData;

class CUsbPoller {
public:
    static constexpr int kIntervalMs = 50;

    struct Hooks {
        std::function<int()> readStatus;            // non-zero: connected over USB
        std::function<bool()> canFetch;             // point mode, shown, no menu, enabled
        std::function<void(bool connected)> showConnection;  // the transfer button
        std::function<void(int command)> send;      // sends a command through the frame
    };

    CUsbPoller(CAppData& appData, Hooks hooks);

    // One poll.
    void Tick();
    // Clears the pending flag and sends fetch (connected) or CLEAR NAVI (not connected).
    void FetchOrClear();

private:
    CAppData& m_appData;
    Hooks m_hooks;
};
