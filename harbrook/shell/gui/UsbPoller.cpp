#include <shell/gui/UsbPoller.h>

#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>

CUsbPoller::CUsbPoller(CAppData& appData, Hooks hooks) : m_appData(appData), m_hooks(std::move(hooks)) {}

void CUsbPoller::Tick() {
    const int connected = m_hooks.readStatus() != 0 ? 1 : 0;
    if (connected != m_appData.m_UsbState) m_appData.m_UsbChanged = 1;
    m_appData.m_UsbState = connected;

    if (m_appData.m_UsbChanged) {
        m_appData.m_UsbChanged = 0;
        m_hooks.showConnection(connected != 0);
        if (m_hooks.canFetch()) {
            FetchOrClear();
        } else {
            m_appData.m_FetchPending = 1;
        }
    }
    if (m_appData.m_FetchPending && m_hooks.canFetch()) FetchOrClear();
}

void CUsbPoller::FetchOrClear() {
    m_appData.m_FetchPending = 0;
    m_hooks.send(m_appData.m_UsbState ? cmd::kFetch : cmd::kClearNavi);
}
