#include <shell/CommandIds.h>
#include <shell/CommandTarget.h>
#include <shell/gui/AppData.h>
#include <shell/gui/MainApp.h>
#include <shell/gui/MessageDlg.h>

#include <platform/IniFile.h>
#include <platform/InstanceLock.h>
#include <platform/MessageTarget.h>
#include <testsupport/ScratchDir.h>
#include <ui/SkinContext.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QWidget>

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

namespace {

// What happened during start-up, with the number of status texts shown before it.
struct Event {
    std::string what;
    int statuses;
    bool operator==(const Event&) const = default;
};

class FakeFrame : public QWidget, public platform::MessageTarget {
public:
    FakeFrame(std::vector<Event>& log, const CMainApp& app) : m_log(log), m_app(app) {}
    void post(unsigned, platform::WParam, platform::LParam) override {}
    platform::LParam send(unsigned message, platform::WParam id, platform::LParam) override {
        if (message == ui::kWmCommand) m_log.push_back({"command " + std::to_string(id), Shown()});
        return 0;
    }
    int Shown() const { return static_cast<int>(m_app.Statuses().size()); }

private:
    std::vector<Event>& m_log;
    const CMainApp& m_app;
};

struct UpdateRecorder : CommandTarget {
    UpdateRecorder(std::vector<Event>& log, const CMainApp& app) : m_log(log), m_app(app) {}
    bool onCommand(int id) override {
        m_log.push_back({"view " + std::to_string(id), static_cast<int>(m_app.Statuses().size())});
        return true;
    }
    std::vector<Event>& m_log;
    const CMainApp& m_app;
};

class MainAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.m_Settings = AppSettings();
        iniPath = scratch.file("Harbrook.ini");
        // Quiet effects, and a saved mode that start-up must have read before the frame exists.
        testsupport::writeFile(iniPath, "[Window]\nView=2\n[Option]\nSound=0\nAnimation=0\n");
        data.SetIniPath(iniPath);
        app.SetLockName("harbrook-test-" + std::to_string(getpid()));
        app.SetStatusDelay(0);
        app.SetFrameFactory([this](CAppData& appData, CommandTarget* target) {
            log.push_back({"frame view " + std::to_string(appData.m_Settings.view),
                           static_cast<int>(app.Statuses().size())});
            EXPECT_EQ(target, &app);
            if (!frameCreates) return CMainApp::Frame{};
            auto frame = std::make_unique<FakeFrame>(log, app);
            frame->setEnabled(false);
            fake = frame.get();
            return CMainApp::Frame{std::move(frame), fake};
        });
        app.SetTransferLibrary(
            [this](platform::MessageTarget* target, int) {
                log.push_back({"transfer init", static_cast<int>(app.Statuses().size())});
                EXPECT_EQ(target, fake);
                return transferStarts;
            },
            [this] { log.push_back({"transfer release", -1}); });
        SetMessageDlgResponder([this](const QString& text, int) {
            messages.append(text);
            return CMessageDlg::kOk;
        });
        data.RegisterView(&view);
    }
    void TearDown() override {
        data.UnregisterView(&view);
        SetMessageDlgResponder({});
        data.m_Settings = AppSettings();
        data.SetIniPath({});
        static ui::FixedEffectSettings quiet = [] {
            ui::FixedEffectSettings s;
            s.sound = false;
            s.animation = false;
            return s;
        }();
        ui::SkinContext::SetSettings(&quiet);
    }

    testsupport::ScratchDir scratch;
    std::string iniPath;
    CAppData& data = theAppData();
    CMainApp app{data};
    FakeFrame* fake = nullptr;
    UpdateRecorder view{log, app};
    std::vector<Event> log;
    QStringList messages;
    bool frameCreates = true;
    int transferStarts = 1;
};

const QStringList kStatuses = {
    QStringLiteral("コンポーネントを初期化しています"),
    QStringLiteral("シェルを初期化しています"),
    QStringLiteral("Orvaneを初期化しています"),
    QStringLiteral("標準的な初期化処理をしています"),
    QStringLiteral("設定を復元しています"),
    QStringLiteral("ドキュメントを新規作成しています"),
    QStringLiteral("ウィンドウを作成しています"),
    QStringLiteral("HearthboxＤＬＬを初期化しています"),
    QStringLiteral("フォルダを復元しています"),
    QStringLiteral("シェルと接続しています"),
    QStringLiteral("ドキュメントを更新しています"),
    QStringLiteral("メニューを初期化しています"),
    QStringLiteral("ウィンドウを表示しています"),
};

}  // namespace

TEST_F(MainAppTest, StartUpRunsItsStepsInOrderAndShowsTheFrame) {
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.Statuses(), kStatuses);
    const std::vector<Event> expected = {
        {"frame view 2", 7},
        {"transfer init", 8},
        {"command " + std::to_string(cmd::kInit), 10},
        {"view " + std::to_string(cmd::kUpdate), 11},
        {"command " + std::to_string(cmd::kIdle), 12},
    };
    EXPECT_EQ(log, expected);
    ASSERT_NE(app.MainWindow(), nullptr);
    EXPECT_TRUE(app.MainWindow()->isVisible());
    EXPECT_TRUE(app.MainWindow()->isEnabled());
    EXPECT_EQ(data.m_StartupComplete, 1);
    EXPECT_EQ(ui::SkinContext::MainFrame(), app.MainWindow());
    EXPECT_TRUE(messages.isEmpty());

    app.OnIdle();
    EXPECT_EQ(log.back().what, "command " + std::to_string(cmd::kIdle));
    data.m_Settings.view = 1;
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(log.back().what, "transfer release");
    platform::IniFile ini(iniPath);
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.getInt("Window", "View", -1), 1);
}

TEST_F(MainAppTest, TransferLibraryFailureEndsStartUpButStillSavesTheSettings) {
    transferStarts = 0;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(messages, QStringList{QStringLiteral("ＵＳＢデバイスを初期化できませんでした")});
    EXPECT_EQ(app.Statuses().size(), 8);
    EXPECT_FALSE(app.MainWindow()->isVisible());
    EXPECT_EQ(data.m_StartupComplete, 0);
    data.m_Settings.view = 0;
    app.ExitInstance();
    EXPECT_NE(log.back().what, "transfer release");  // never started, never released
    platform::IniFile ini(iniPath);
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.getInt("Window", "View", -1), 0);
}

TEST_F(MainAppTest, AFrameThatCannotBeCreatedIsReported) {
    frameCreates = false;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(messages, QStringList{QStringLiteral("ウィンドウ作成に失敗しました")});
    EXPECT_EQ(app.Statuses().size(), 7);
    EXPECT_EQ(app.MainWindow(), nullptr);
}

TEST_F(MainAppTest, ASecondCopyInTheSameProcessStopsAtOnce) {
    platform::InstanceLock first("harbrook-test-" + std::to_string(getpid()));
    ASSERT_TRUE(first.acquire());
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(app.Statuses().isEmpty());
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(app.HoldsLock());
    data.m_Settings.view = 0;
    app.ExitInstance();  // writes nothing: the running copy owns the settings
    EXPECT_EQ(testsupport::readFile(iniPath), "[Window]\nView=2\n[Option]\nSound=0\nAnimation=0\n");
}

TEST_F(MainAppTest, HelpAndHomePageOpenTheirAddresses) {
    QList<QUrl> opened;
    app.SetUrlOpener([&](const QUrl& url) {
        opened.append(url);
        return true;
    });
    EXPECT_TRUE(app.onCommand(cmd::kHelp));
    EXPECT_TRUE(app.onCommand(cmd::kHomePage));
    EXPECT_FALSE(app.onCommand(cmd::kFileSave));
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_TRUE(opened[0].toLocalFile().endsWith(QStringLiteral("/help/index.html")));
    EXPECT_EQ(opened[1].toString(), QStringLiteral("https://harbrook.example.org/"));
    EXPECT_EQ(app.commandEnabled(cmd::kOptions), std::optional<bool>(true));
    EXPECT_EQ(app.commandEnabled(cmd::kFileSave), std::nullopt);
}

// The built program itself: a second copy ends at once, successfully, without touching the
// settings file.
TEST(HarbrookProgram, ASecondCopyEndsSilently) {
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/harbrook");
    if (!QFileInfo(program).isExecutable()) GTEST_SKIP() << "harbrook is not built";
    testsupport::ScratchDir scratch;
    const std::string runtime = scratch.folder();
    const char* oldRuntime = getenv("XDG_RUNTIME_DIR");
    const std::string saved = oldRuntime ? oldRuntime : "";
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    platform::InstanceLock running(CMainApp::kTitle);
    const bool held = running.acquire();
    if (oldRuntime) {
        setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    } else {
        unsetenv("XDG_RUNTIME_DIR");
    }
    ASSERT_TRUE(held);

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    const QString ini = QString::fromStdString(scratch.file("second.ini"));
    second.start(program, {QStringLiteral("--settings"), ini});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(ini));
}
