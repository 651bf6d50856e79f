#pragma once
// CMainFrame: the program's only top-level window. A frameless window that draws its own border and
// caption, hosts the menu bar, the mode tabs, the three mode views and the transfer bar, routes
// commands, switches modes (asking to save first), watches the USB connection, refreshes the active
// view after device and folder changes, and asks to save before the program closes.
//
// It is the main frame's message target: skinned buttons post WM_COMMAND / WM_SYSCOMMAND to it, and
// the device and folder-change notices arrive as the window messages of the original design.
#include <shell/CommandTarget.h>
#include <shell/Mode.h>
#include <shell/gui/UsbPoller.h>

#include <platform/MessageNumbers.h>
#include <platform/MessageTarget.h>

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class CAppData;
class CCaptionBar;
class CMenuBar;
class CModeTabBar;
class CViewContainer;
class CTransferBar;
class VolumeWatcher;

class CMainFrame : public QWidget, public platform::MessageTarget, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kBorder = 3;
    static constexpr int kMinWidth = 720;
    static constexpr int kMinHeight = 540;
    static constexpr int kRefreshIntervalMs = 3000;
    // Window messages the frame understands besides WM_COMMAND and WM_SYSCOMMAND.
    static constexpr unsigned kWmDeviceChange = platform::msg::kDeviceChange;
    static constexpr platform::WParam kDeviceArrival = 0x8000;
    static constexpr platform::WParam kDeviceRemoveComplete = 0x8004;
    static constexpr platform::WParam kDeviceRefresh = 0xFFFF;
    static constexpr unsigned kWmShellChange = platform::msg::kShellChange;
    // The question before unsaved data is left behind.
    static const char* const kSaveQuestion;

    explicit CMainFrame(CAppData& appData, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds the children at the saved place, disabled (start-up enables the frame), and starts
    // the timers. False when a child cannot be made (a skin image is missing).
    bool Create();

    // --- Collaborators ---
    // The application object: first in command routing.
    void SetAppTarget(CommandTarget* app) { m_app = app; }
    // Runs the transfer command; the command stays disabled while none is set.
    using TransferHandler = std::function<void()>;
    void SetTransferHandler(TransferHandler handler) { m_transfer = std::move(handler); }
    // Other window messages sent or posted to the frame (those of the transfer library, ...).
    using MessageHandler = std::function<platform::LParam(unsigned, platform::WParam, platform::LParam)>;
    void SetMessageHandler(MessageHandler handler) { m_messages = std::move(handler); }
    // Where the USB state is read; the transfer library's GetUsbStatus unless set.
    void SetUsbStatusReader(std::function<int()> reader) { m_readUsb = std::move(reader); }

    // --- Commands ---
    // Offers a command to the application, the view container, the menu bar, the mode tabs, the
    // transfer bar and the frame, in this order; true when one took it.
    bool RouteCommand(int id);
    // The enabled state the first deciding target gives; nobody deciding means disabled (a menu
    // item without a handler is greyed).
    bool CommandEnabled(int id);
    // The menu text the first deciding target gives, or nothing (the menu's own text).
    std::optional<std::string> CommandText(int id);
    // A WM_COMMAND as it arrives: dropped when a target reports it disabled, else routed.
    bool ExecuteCommand(int id);
    // IDLE: the transfer buttons follow the transfer command's state.
    void UpdateCommandStates();

    // --- platform::MessageTarget ---
    void post(unsigned message, platform::WParam wParam, platform::LParam lParam) override;
    platform::LParam send(unsigned message, platform::WParam wParam, platform::LParam lParam) override;

    // --- The frame's own commands: SELCHANGED, transfer, exit ---
    bool onCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

    // --- State ---
    int ActiveMode() const;
    bool IsMenuOpen() const;
    bool IsRefreshPending() const { return m_refreshPending; }
    // The save question over all three stores; true when closing may go ahead.
    bool SavePrompt();
    // Timer ticks (driven by the frame's timers).
    void PollUsb() { m_usb.Tick(); }
    void RefreshTick();

    CCaptionBar* CaptionBar() const { return m_caption; }
    CMenuBar* MenuBar() const { return m_menuBar; }
    CModeTabBar* TabBar() const { return m_tabs; }
    CViewContainer* Views() const { return m_views; }
    CTransferBar* TransferBar() const { return m_transferBar; }
    // The client area: the window less the border.
    QRect ClientRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayoutChildren();
    void UpdateMask();
    void StorePlacement();
    void OnSelChanged();
    void SystemCommand(int id);
    void ShowSystemMenu(const QPoint& globalPos);
    bool CanFetch() const;
    bool StoreModified(int mode) const;
    bool HandleAccelerator(QObject* watched, QEvent* event);
    // Border edges under a point of the window, for resizing.
    Qt::Edges EdgesAt(const QPoint& pos) const;
    // The command targets in routing order: the application, the view container, the menu bar,
    // the mode tabs, the transfer bar and the frame (null entries are not made yet).
    std::array<CommandTarget*, 6> CommandChain();
    // The enabled state the first deciding target gives; nullopt when none decides.
    std::optional<bool> DecidedEnabled(int id);
    bool InSystemMenuArea(const QPoint& pos) const;

    CAppData& m_appData;
    CommandTarget* m_app = nullptr;
    TransferHandler m_transfer;
    MessageHandler m_messages;
    std::function<int()> m_readUsb;

    CCaptionBar* m_caption = nullptr;
    CMenuBar* m_menuBar = nullptr;
    CModeTabBar* m_tabs = nullptr;
    CViewContainer* m_views = nullptr;
    CTransferBar* m_transferBar = nullptr;
    VolumeWatcher* m_volumes = nullptr;

    CUsbPoller m_usb;
    QTimer m_usbTimer;
    QTimer m_refreshTimer;
    bool m_refreshPending = false;
    bool m_systemMenuOpen = false;
    // A drag by the caption when the window system cannot move the window itself.
    std::optional<QPoint> m_dragOffset;
};
