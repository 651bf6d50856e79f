#include <shell/gui/MainApp.h>

#include <shell/CommandIds.h>
#include <shell/gui/AboutDlg.h>
#include <shell/gui/AppData.h>
#include <shell/gui/DesktopMapClipboard.h>
#include <shell/gui/MainFrame.h>
#include <shell/gui/MessageDlg.h>
#include <shell/gui/OptionDlg.h>
#include <shell/gui/SplashWnd.h>

#include <outside/Atlasgate.h>
#include <outside/Shuttler.h>

#include <ui/ItemIdList.h>
#include <ui/SkinContext.h>

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdlib>
#include <filesystem>

namespace {

CMainApp::Frame makeMainFrame(CAppData& data, CommandTarget* app) {
    auto frame = std::make_unique<CMainFrame>(data);
    frame->SetAppTarget(app);
    if (!frame->Create()) return {};
    platform::MessageTarget* commands = frame.get();
    return {std::move(frame), commands};
}

}  // namespace

CMainApp::CMainApp(CAppData& data)
    : m_data(data),
      m_makeFrame(makeMainFrame),
      m_transferInit(CShuttler::Initialize),
      m_transferRelease(CShuttler::Release),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      m_statusDelayMs(CSplashWnd::kStatusDelayMs) {
    m_idleTimer.setInterval(kIdleIntervalMs);
    connect(&m_idleTimer, &QTimer::timeout, this, &CMainApp::OnIdle);
}

CMainApp::~CMainApp() {
    if (qApp) qApp->removeEventFilter(this);
    if (ui::SkinContext::MainFrame() == m_frame.window.get()) {
        ui::SkinContext::SetMainFrame(nullptr, nullptr);
    }
}

void CMainApp::SetTransferLibrary(TransferInit init, TransferRelease release) {
    m_transferInit = std::move(init);
    m_transferRelease = std::move(release);
}

bool CMainApp::InitInstance() {
    m_lock = std::make_unique<platform::InstanceLock>(m_lockName);
    if (!m_lock->acquire()) {
        m_lock.reset();
        return false;
    }
    ui::SkinContext::SetSettings(&m_data);
    ui::SkinContext::SetStringLookup(&CMainApp::String);

    m_data.m_StartupComplete = 0;
    m_splash = std::make_unique<CSplashWnd>();
    m_splash->SetStatusDelay(m_statusDelayMs);
    if (m_splash->Create()) m_splash->show();

    ShowStatus("コンポーネントを初期化しています");
    ShowStatus("シェルを初期化しています");
    ShowStatus("Orvaneを初期化しています");
    CAtlasgate::Init();
    CAtlasgate::SetClipboard(std::make_shared<DesktopMapClipboard>());

    ShowStatus("標準的な初期化処理をしています");
    std::srand(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
    if (m_data.IniPath().empty()) m_data.SetIniPath(DefaultIniPath());

    ShowStatus("設定を復元しています");
    m_data.LoadSettings();

    ShowStatus("ドキュメントを新規作成しています");
    m_data.EmptyStores();

    ShowStatus("ウィンドウを作成しています");
    if (!CreateFrame()) {
        CloseSplash();
        ShowMessage(QStringLiteral("ウィンドウ作成に失敗しました"), CMessageDlg::kInformation);
        return false;
    }

    ShowStatus("HearthboxＤＬＬを初期化しています");
    if (!m_transferInit(m_frame.commands, m_data.m_Settings.debugLog)) {
        CloseSplash();
        ShowMessage(QStringLiteral("ＵＳＢデバイスを初期化できませんでした"),
                    CMessageDlg::kInformation);
        return false;
    }
    m_transferStarted = true;

    ShowStatus("フォルダを復元しています");
    RestoreFolder();

    ShowStatus("シェルと接続しています");
    SendCommand(cmd::kInit);

    ShowStatus("ドキュメントを更新しています");
    m_data.BroadcastUpdate(nullptr);

    ShowStatus("メニューを初期化しています");
    SendCommand(cmd::kIdle);

    ShowStatus("ウィンドウを表示しています");
    QWidget* window = m_frame.window.get();
    if (m_data.m_Settings.maximized) {
        window->showMaximized();
    } else {
        window->show();
    }
    window->repaint();
    window->setEnabled(true);
    CloseSplash();
    m_data.m_StartupComplete = 1;
    qApp->installEventFilter(this);
    m_idleTimer.start();
    return true;
}

int CMainApp::ExitInstance() {
    m_idleTimer.stop();
    if (qApp) qApp->removeEventFilter(this);
    if (!HoldsLock()) return 0;
    if (m_transferStarted) m_transferRelease();
    m_transferStarted = false;
    CAtlasgate::Exit();
    if (m_saveOnExit) m_data.SaveSettings();
    m_lock.reset();
    return 0;
}

void CMainApp::OnIdle() { SendCommand(cmd::kIdle); }

void CMainApp::ShowStatus(const char* text) {
    const QString status = QString::fromUtf8(text);
    m_statuses.append(status);
    if (m_splash) m_splash->ShowStatus(status);
}

void CMainApp::CloseSplash() {
    if (!m_splash) return;
    m_splash->close();
    m_splash.reset();
}

bool CMainApp::CreateFrame() {
    m_frame = m_makeFrame(m_data, this);
    if (!m_frame.window) return false;
    ui::SkinContext::SetMainFrame(m_frame.window.get(), m_frame.commands);
    return true;
}

void CMainApp::RestoreFolder() {
    if (!m_data.m_Settings.shellFolders.empty()) return;
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (music.isEmpty() || !QFileInfo(music).isDir()) return;
    m_data.m_Settings.shellFolders = CItemIdList(music).ToHex();
}

void CMainApp::SendCommand(int id) {
    if (m_frame.commands) {
        m_frame.commands->send(ui::kWmCommand, static_cast<platform::WParam>(id), 0);
    }
}

bool CMainApp::onCommand(int id) {
    switch (id) {
    case cmd::kAbout: ShowAbout(); return true;
    case cmd::kHomePage: m_openUrl(QUrl(QString::fromLatin1(kHomePage))); return true;
    case cmd::kHelp: m_openUrl(QUrl::fromLocalFile(HelpPath())); return true;
    case cmd::kOptions: RunOptions(); return true;
    default: return false;
    }
}

std::optional<bool> CMainApp::commandEnabled(int id) {
    switch (id) {
    case cmd::kAbout:
    case cmd::kHomePage:
    case cmd::kHelp:
    case cmd::kOptions: return true;
    default: return std::nullopt;
    }
}

void CMainApp::ShowAbout() {
    CAboutDlg about(m_frame.window.get());
    about.exec();
}

void CMainApp::RunOptions() {
    COptionDlg options(m_data.m_Settings, m_frame.window.get());
    options.exec();
}

bool CMainApp::eventFilter(QObject* watched, QEvent* event) {
    // Qt has no idle message: user input restarts the idle countdown, so the frame's commands are
    // refreshed shortly after the user has acted as well as every interval.
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::WindowActivate:
        if (m_idleTimer.isActive()) QTimer::singleShot(0, this, &CMainApp::OnIdle);
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

std::string CMainApp::DefaultIniPath() {
    const std::filesystem::path file = ProgramPaths().SettingsFile();
    // The configuration folder may not exist yet; saving at exit needs it.
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return file.string();
}

QString CMainApp::HelpPath() {
    return QFile::decodeName(ProgramPaths().HelpPage().c_str());
}

AppPaths CMainApp::ProgramPaths() {
    return AppPaths(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
}

QString CMainApp::String(int id) {
    switch (id) {
    case 128: return QStringLiteral("Harbrook");
    case 207: return QStringLiteral("メッセージ");
    case 213: return QStringLiteral("オプション設定");
    case 214: return QStringLiteral("問い合わせ");
    case 215: return QStringLiteral("メッセージ");
    case 216: return QStringLiteral("確認");
    case 217: return QStringLiteral("問い合わせ");
    default: return QString();
    }
}
