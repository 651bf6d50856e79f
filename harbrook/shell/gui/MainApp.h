#pragma once
// CMainApp: the application object. It lets one copy of the program run, brings the program up
// step by step behind the start-up window, creates the main frame, keeps the frame's commands fresh
// while the program is idle, handles the help, home page, version and option commands, and takes
// everything down again in reverse order.
#include <shell/AppPaths.h>
#include <shell/CommandTarget.h>

#include <platform/InstanceLock.h>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <string>

class CAppData;
class CSplashWnd;
class QWidget;
namespace platform {
class MessageTarget;
}

class CMainApp : public QObject, public CommandTarget {
    Q_OBJECT
public:
    // The program's title: the single-instance lock's name.
    static constexpr const char* kTitle = "Harbrook";
    static constexpr const char* kHomePage = "https://harbrook.example.org/";
    static constexpr int kIdleIntervalMs = 250;

    // The main frame as start-up sees it: its window and the target of its commands.
    struct Frame {
        std::unique_ptr<QWidget> window;
        platform::MessageTarget* commands = nullptr;
    };
    // Makes and creates the main frame; an empty window means the frame could not be created.
    using FrameFactory = std::function<Frame(CAppData& data, CommandTarget* app)>;
    // The transfer library's start and end; start answers 1 or 0.
    using TransferInit = std::function<int(platform::MessageTarget* target, int log)>;
    using TransferRelease = std::function<void()>;
    using UrlOpener = std::function<bool(const QUrl& url)>;

    explicit CMainApp(CAppData& data);
    ~CMainApp() override;

    // --- Start-up and shut-down ---
    // The start-up sequence; false ends the program (silently for a second copy).
    bool InitInstance();
    // The shut-down sequence (only when this copy holds the lock); returns the exit code.
    int ExitInstance();
    // Sends IDLE to the main frame (the frame refreshes its commands' enabled states).
    void OnIdle();

    // --- What start-up uses; tests and the screenshot mode replace parts of it ---
    void SetLockName(std::string name) { m_lockName = std::move(name); }
    void SetFrameFactory(FrameFactory factory) { m_makeFrame = std::move(factory); }
    void SetTransferLibrary(TransferInit init, TransferRelease release);
    void SetUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    void SetStatusDelay(int ms) { m_statusDelayMs = ms; }
    // Whether exit writes the settings back (on unless a caller turns it off).
    void SetSaveOnExit(bool save) { m_saveOnExit = save; }

    // --- State ---
    bool HoldsLock() const { return m_lock && m_lock->held(); }
    QWidget* MainWindow() const { return m_frame.window.get(); }
    platform::MessageTarget* FrameTarget() const { return m_frame.commands; }
    // The status texts start-up has shown, in order.
    const QStringList& Statuses() const { return m_statuses; }

    // --- Commands: version window, home page, help, options ---
    bool onCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

    // --- Settings file and folders ---
    // The running program's files (see AppPaths).
    static AppPaths ProgramPaths();
    // The settings file, with its folder made when it is the configuration folder.
    static std::string DefaultIniPath();
    // The help page: beside the executable, or in the installed data folder.
    static QString HelpPath();
    // The string table of the skinned dialogs' captions.
    static QString String(int id);

private:
    void ShowStatus(const char* text);
    void CloseSplash();
    bool CreateFrame();
    void RestoreFolder();
    void SendCommand(int id);
    void ShowAbout();
    void RunOptions();
    bool eventFilter(QObject* watched, QEvent* event) override;

    CAppData& m_data;
    std::string m_lockName = kTitle;
    std::unique_ptr<platform::InstanceLock> m_lock;
    std::unique_ptr<CSplashWnd> m_splash;
    Frame m_frame;
    FrameFactory m_makeFrame;
    TransferInit m_transferInit;
    TransferRelease m_transferRelease;
    UrlOpener m_openUrl;
    QStringList m_statuses;
    QTimer m_idleTimer;
    int m_statusDelayMs;
    bool m_saveOnExit = true;
    bool m_transferStarted = false;
};
