#include <shell/gui/MainFrame.h>

#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <shell/gui/Accelerators.h>
#include <shell/gui/CaptionBar.h>
#include <shell/gui/FramePlacement.h>
#include <shell/gui/MenuBar.h>
#include <shell/gui/MessageDlg.h>
#include <shell/gui/ModeTabBar.h>
#include <shell/gui/TransferBar.h>
#include <shell/gui/ViewContainer.h>
#include <shell/gui/VolumeWatcher.h>
#include <ui/SkinContext.h>

#include <outside/Shuttler.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QSessionManager>
#include <QTextEdit>
#include <QWindow>

#include <array>

const char* const CMainFrame::kSaveQuestion = "保存されていないデータがあります。\r\r保存しますか？";

namespace {

// A widget that takes typed text or a choice: the in-place editors of lists and the fields of
// dialogs.
bool EditsText(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

constexpr std::array<int, kModeCount> kSaveCommands = {cmd::kSaveEx, cmd::kSaveDb, cmd::kSavePt};
constexpr int kTitleString = 128;   // the application's name
constexpr int kIconResource = 128;  // the application icon

}  // namespace

CMainFrame::CMainFrame(CAppData& appData, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_appData(appData),
      m_readUsb(&CShuttler::GetUsbStatus),
      m_usb(appData, CUsbPoller::Hooks{
                         [this] { return m_readUsb(); },
                         [this] { return CanFetch(); },
                         [this](bool connected) {
                             if (m_transferBar) m_transferBar->SetUsbConnected(connected);
                         },
                         [this](int command) { ExecuteCommand(command); },
                     }) {
    setMinimumSize(kMinWidth, kMinHeight);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    if (ui::SkinContext::MainFrame() == this) ui::SkinContext::SetMainFrame(nullptr, nullptr);
}

bool CMainFrame::Create() {
    setEnabled(false);
    const QString title = ui::SkinContext::String(kTitleString);
    setWindowTitle(title.isEmpty() ? QStringLiteral("Harbrook") : title);
    setWindowIcon(QIcon(ui::SkinContext::ResourcePath("icon", kIconResource)));
    if (!ui::SkinContext::MainFrame()) ui::SkinContext::SetMainFrame(this, this);

    m_caption = new CCaptionBar(this);
    m_menuBar = new CMenuBar(this, this,
                             CMenuBar::Hooks{[this] { return ActiveMode(); },
                                             [this](int id) { return CommandEnabled(id); },
                                             [this] { return m_appData.m_UsbState != 0; },
                                             [this](int id) { return CommandText(id); }});
    m_tabs = new CModeTabBar(this, this, [this] { return ActiveMode(); });
    m_views = new CViewContainer(this, m_appData);
    m_transferBar = new CTransferBar(this);
    if (!m_caption->IsComplete() || !m_menuBar->IsComplete() || !m_tabs->IsComplete() ||
        !m_transferBar->IsComplete()) {
        return false;
    }
    connect(m_menuBar, &CMenuBar::menuLoopExited, this, [this] { UpdateCommandStates(); });

    int mode = m_appData.m_Settings.view;
    if (mode < 0 || mode >= kModeCount) mode = ModeIndex(Mode::Music);
    m_tabs->SetSelection(mode);
    m_views->ShowMode(mode);
    m_transferBar->SetUsbConnected(m_appData.m_UsbState != 0);
    UpdateCommandStates();

    setGeometry(frame_placement::InitialGeometry(m_appData.m_Settings.position));
    LayoutChildren();
    UpdateMask();

    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        m_appData.m_AppActive = state == Qt::ApplicationActive ? 1 : 0;
    });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (manager.allowsInteraction() && !SavePrompt()) manager.cancel();
    });

    m_volumes = new VolumeWatcher(this);
    connect(m_volumes, &VolumeWatcher::arrived, this, [this] { send(kWmDeviceChange, kDeviceArrival, 0); });
    connect(m_volumes, &VolumeWatcher::removed, this,
            [this] { send(kWmDeviceChange, kDeviceRemoveComplete, 0); });
    m_volumes->Start();
    connect(&m_usbTimer, &QTimer::timeout, this, &CMainFrame::PollUsb);
    connect(&m_refreshTimer, &QTimer::timeout, this, &CMainFrame::RefreshTick);
    m_usbTimer.start(CUsbPoller::kIntervalMs);
    m_refreshTimer.start(kRefreshIntervalMs);
    return true;
}

// ---------------------------------------------------------------- commands

std::array<CommandTarget*, 6> CMainFrame::CommandChain() {
    return {m_app, m_views, m_menuBar, m_tabs, m_transferBar, this};
}

std::optional<bool> CMainFrame::DecidedEnabled(int id) {
    for (CommandTarget* target : CommandChain()) {
        if (!target) continue;
        if (std::optional<bool> enabled = target->commandEnabled(id)) return enabled;
    }
    return std::nullopt;
}

bool CMainFrame::RouteCommand(int id) {
    for (CommandTarget* target : CommandChain()) {
        if (target && target->onCommand(id)) return true;
    }
    return false;
}

bool CMainFrame::CommandEnabled(int id) { return DecidedEnabled(id).value_or(false); }

std::optional<std::string> CMainFrame::CommandText(int id) {
    for (CommandTarget* target : CommandChain()) {
        if (!target) continue;
        if (std::optional<std::string> text = target->commandText(id)) return text;
    }
    return std::nullopt;
}

bool CMainFrame::ExecuteCommand(int id) {
    const std::optional<bool> enabled = DecidedEnabled(id);
    if (enabled && !*enabled) return false;
    return RouteCommand(id);
}

void CMainFrame::UpdateCommandStates() {
    if (m_transferBar) m_transferBar->SetTransferEnabled(CommandEnabled(cmd::kTransfer));
}

bool CMainFrame::onCommand(int id) {
    switch (id) {
    case cmd::kSelChanged: OnSelChanged(); return true;
    case cmd::kTransfer:
        if (m_transfer) m_transfer();
        return true;
    case cmd::kAppExit: close(); return true;
    default: return false;
    }
}

std::optional<bool> CMainFrame::commandEnabled(int id) {
    if (id == cmd::kTransfer) return static_cast<bool>(m_transfer);
    if (id == cmd::kAppExit) return true;
    return std::nullopt;
}

// ---------------------------------------------------------------- messages

void CMainFrame::post(unsigned message, platform::WParam wParam, platform::LParam lParam) {
    // Queued to the UI thread; dropped when the frame is gone by then.
    QMetaObject::invokeMethod(this, [this, message, wParam, lParam] { send(message, wParam, lParam); },
                              Qt::QueuedConnection);
}

platform::LParam CMainFrame::send(unsigned message, platform::WParam wParam, platform::LParam lParam) {
    const int id = static_cast<int>(wParam & 0xFFFF);
    switch (message) {
    case ui::kWmCommand:
        if (id == cmd::kInit) {
            // Every view initialises itself, not only the first that takes the command.
            for (int mode = 0; mode < kModeCount; ++mode) {
                if (CommandTarget* view = m_views ? m_views->Target(mode) : nullptr) view->onCommand(id);
            }
            return 1;
        }
        if (id == cmd::kIdle) {
            UpdateCommandStates();
            RouteCommand(id);
            return 1;
        }
        return ExecuteCommand(id) ? 1 : 0;
    case ui::kWmSysCommand: SystemCommand(id); return 1;
    case kWmDeviceChange:
        if (wParam == kDeviceArrival || wParam == kDeviceRemoveComplete) m_refreshPending = true;
        if (wParam == kDeviceRefresh) {
            ExecuteCommand(cmd::kRefresh);
            return 1;
        }
        return 0;
    case kWmShellChange:
        if (m_appData.m_Settings.watchFolder) m_refreshPending = true;
        return 0;
    default: return m_messages ? m_messages(message, wParam, lParam) : 0;
    }
}

void CMainFrame::RefreshTick() {
    if (!m_refreshPending) return;
    m_refreshPending = false;
    send(kWmDeviceChange, kDeviceRefresh, 0);
}

// ---------------------------------------------------------------- modes

int CMainFrame::ActiveMode() const {
    return m_views && m_views->ActiveMode() >= 0 ? m_views->ActiveMode() : m_appData.m_Settings.view;
}

bool CMainFrame::IsMenuOpen() const {
    return m_systemMenuOpen || (m_menuBar && m_menuBar->IsMenuOpen());
}

bool CMainFrame::StoreModified(int mode) const {
    switch (static_cast<Mode>(mode)) {
    case Mode::Music: return m_appData.m_MusicData.IsModified();
    case Mode::MyDb: return m_appData.m_MyDbData.IsModified();
    case Mode::Points: return m_appData.m_PointData.IsModified();
    default: return false;
    }
}

bool CMainFrame::CanFetch() const {
    return ActiveMode() == ModeIndex(Mode::Points) && !isMinimized() && !IsMenuOpen() &&
           isEnabled();
}

void CMainFrame::OnSelChanged() {
    const int pressed = m_tabs->Selection();
    const int active = ActiveMode();
    if (pressed == ModeIndex(Mode::Points) && active == ModeIndex(Mode::Points)) {
        m_usb.FetchOrClear();
        return;
    }
    if (pressed == active || pressed < 0) return;
    if (StoreModified(active)) {
        const int answer = ShowMessage(QString::fromUtf8(kSaveQuestion), CMessageDlg::kYesNoCancel);
        if (answer == CMessageDlg::kCancel) {
            m_tabs->SetSelection(active);
            return;
        }
        if (answer == CMessageDlg::kYes) ExecuteCommand(kSaveCommands[static_cast<std::size_t>(active)]);
    }
    m_appData.m_Settings.view = pressed;
    m_views->SwitchTo(pressed);
    if (pressed == 2) {
        // A pending USB change means fetch or clear for the present state; otherwise the unit's
        // points are fetched the first time the mode shows.
        if (m_appData.m_FetchPending) {
            m_usb.FetchOrClear();
        } else if (!m_appData.m_PointData.IsTransferAllowed()) {
            m_appData.m_FetchPending = 0;
            ExecuteCommand(cmd::kFetch);
        }
    }
    UpdateCommandStates();
}

bool CMainFrame::SavePrompt() {
    bool anyModified = false;
    for (int mode = 0; mode < kModeCount; ++mode) anyModified = anyModified || StoreModified(mode);
    if (!anyModified) return true;
    const int answer = ShowMessage(QString::fromUtf8(kSaveQuestion), CMessageDlg::kYesNoCancel);
    if (answer == CMessageDlg::kCancel) return false;
    if (answer == CMessageDlg::kNo) return true;
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (StoreModified(mode)) ExecuteCommand(kSaveCommands[static_cast<std::size_t>(mode)]);
    }
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (StoreModified(mode)) return false;
    }
    return true;
}

// ---------------------------------------------------------------- accelerators

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && HandleAccelerator(watched, event)) return true;
    return QWidget::eventFilter(watched, event);
}

bool CMainFrame::HandleAccelerator(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || IsMenuOpen() || !isEnabled()) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    const std::optional<int> command = CAccelerators::Lookup(key);
    if (!command) return false;
    if (EditsText(focusWidget()) &&
        !CAccelerators::ReachesFrameWhileEditing(key.keyCombination())) {
        return false;
    }
    ExecuteCommand(*command);
    return true;
}
