// The main frame: command routing, the mode switch with its save question, fetching the unit's
// points on USB changes, refresh after device changes, closing and the accelerators.
#include <shell/gui/MainFrame.h>

#include <shell/CommandIds.h>
#include <shell/gui/Accelerators.h>
#include <shell/gui/AppData.h>
#include <shell/gui/MenuBar.h>
#include <shell/gui/MessageDlg.h>
#include <shell/gui/ModeTabBar.h>
#include <shell/gui/TransferBar.h>
#include <shell/gui/ViewContainer.h>
#include <shell/gui/VolumeWatcher.h>
#include <ui/SkinButton.h>
#include <ui/SkinContext.h>

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace {

// Every command offered to a routing target, with the target's name.
using RoutingLog = std::vector<std::pair<std::string, int>>;

class RecordingView : public QWidget, public CommandTarget {
public:
    RecordingView(std::string name, RoutingLog& log) : m_name(std::move(name)), m_log(log) {}

    bool onCommand(int id) override {
        m_log.emplace_back(m_name, id);
        received.push_back(id);
        if (!handles.count(id)) return false;
        if (onHandled) onHandled(id);
        return true;
    }
    std::optional<bool> commandEnabled(int id) override {
        const auto it = enabled.find(id);
        return it == enabled.end() ? std::nullopt : std::optional<bool>(it->second);
    }
    int count(int id) const { return static_cast<int>(std::count(received.begin(), received.end(), id)); }

    std::vector<int> received;
    std::set<int> handles;
    std::map<int, bool> enabled;
    std::function<void(int)> onHandled;

private:
    std::string m_name;
    RoutingLog& m_log;
};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override { Start(0); }

    void Start(int mode) {
        frame.reset();
        app.m_Settings = AppSettings();
        app.m_Settings.view = mode;
        app.m_UsbState = app.m_UsbChanged = app.m_FetchPending = 0;
        app.m_MusicData.SetModified(false);
        app.m_MyDbData.SetModified(false);
        app.m_PointData.SetModified(false);
        app.m_PointData.SetTransferAllowed(true);
        questions.clear();
        log.clear();
        SetMessageDlgResponder([this](const QString& text, int type) {
            questions.emplace_back(text, type);
            return answer;
        });
        frame = std::make_unique<CMainFrame>(app);
        frame->SetUsbStatusReader([this] { return usb; });
        ASSERT_TRUE(frame->Create());
        for (int m = 0; m < 3; ++m) {
            views[m] = new RecordingView("view" + std::to_string(m), log);
            views[m]->handles = {cmd::kSaveEx, cmd::kSaveDb, cmd::kSavePt, cmd::kRefresh,
                                 cmd::kFetch, cmd::kClearNavi};
            frame->Views()->SetView(m, views[m], views[m]);
        }
        frame->setEnabled(true);
        frame->show();
    }

    void TearDown() override {
        frame.reset();
        SetMessageDlgResponder({});
        app.m_MusicData.SetModified(false);
        app.m_MyDbData.SetModified(false);
        app.m_PointData.SetModified(false);
        app.m_Settings = AppSettings();
    }

    // Clicks a mode tab as the user does and lets the posted commands arrive.
    void clickTab(int mode) {
        QTest::mouseClick(frame->TabBar()->Tab(mode), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    CAppData& app = theAppData();
    std::unique_ptr<CMainFrame> frame;
    RecordingView* views[3] = {};
    RoutingLog log;
    std::vector<std::pair<QString, int>> questions;
    int answer = CMessageDlg::kNo;
    int usb = 0;
};

// ------------------------------------------------------------ mode switch

struct SwitchCase {
    const char* name;
    int answer;
    int expectedMode;
    bool saved;
};

class ModeSwitchTest : public MainFrameTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(ModeSwitchTest, UnsavedDataIsAskedAbout) {
    app.m_MusicData.SetModified(true);
    answer = GetParam().answer;
    clickTab(1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].first, QString::fromUtf8(CMainFrame::kSaveQuestion));
    EXPECT_EQ(questions[0].second, CMessageDlg::kYesNoCancel);
    EXPECT_EQ(frame->ActiveMode(), GetParam().expectedMode);
    EXPECT_EQ(app.m_Settings.view, GetParam().expectedMode);
    EXPECT_EQ(frame->TabBar()->Selection(), GetParam().expectedMode) << "Cancel puts the tab back";
    EXPECT_EQ(views[0]->count(cmd::kSaveEx), GetParam().saved ? 1 : 0);
    EXPECT_EQ(frame->Views()->View(GetParam().expectedMode)->isVisible(), true);
}

INSTANTIATE_TEST_SUITE_P(Answers, ModeSwitchTest,
                         ::testing::Values(SwitchCase{"Cancel", CMessageDlg::kCancel, 0, false},
                                           SwitchCase{"Yes", CMessageDlg::kYes, 1, true},
                                           SwitchCase{"No", CMessageDlg::kNo, 1, false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(MainFrameTest, SwitchWithoutUnsavedDataAsksNothingAndActiveTabIsIgnored) {
    clickTab(0);
    EXPECT_EQ(frame->ActiveMode(), 0) << "the active music tab's command is disabled";
    clickTab(2);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(frame->ActiveMode(), 2);
    EXPECT_FALSE(frame->Views()->View(0)->isVisible());
}

struct AgainCase {
    int usb;
    int expected;
};

class PointsTabAgainTest : public MainFrameTest, public ::testing::WithParamInterface<AgainCase> {};

TEST_P(PointsTabAgainTest, FetchesOrClearsWithoutAsking) {
    usb = GetParam().usb;
    Start(2);
    frame->PollUsb();
    views[2]->received.clear();
    app.m_PointData.SetModified(true);
    app.m_FetchPending = 1;
    clickTab(2);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(views[2]->count(GetParam().expected), 1);
    EXPECT_EQ(app.m_FetchPending, 0);
    EXPECT_EQ(frame->ActiveMode(), 2);
}

INSTANTIATE_TEST_SUITE_P(Usb, PointsTabAgainTest,
                         ::testing::Values(AgainCase{1, cmd::kFetch}, AgainCase{0, cmd::kClearNavi}));

TEST_F(MainFrameTest, EnteringPointModeFetchesUntilTheUnitsPointsAreLoaded) {
    app.m_PointData.SetTransferAllowed(false);
    clickTab(2);
    EXPECT_EQ(views[2]->count(cmd::kFetch), 1);
    app.m_PointData.SetTransferAllowed(true);
    clickTab(1);
    clickTab(2);
    EXPECT_EQ(views[2]->count(cmd::kFetch), 1) << "already loaded";
}

// ------------------------------------------------------------ USB changes

enum class Blocker { MenuOpen, Minimised, Disabled, OtherMode };

class UsbDeferTest : public MainFrameTest, public ::testing::WithParamInterface<Blocker> {
protected:
    void block() {
        switch (GetParam()) {
        case Blocker::MenuOpen: frame->MenuBar()->OpenMenu(1); break;
        case Blocker::Minimised: frame->showMinimized(); break;
        case Blocker::Disabled: frame->setEnabled(false); break;
        case Blocker::OtherMode: clickTab(0); break;
        }
    }
    void unblock() {
        switch (GetParam()) {
        case Blocker::MenuOpen: frame->MenuBar()->PopupMenu()->close(); break;
        case Blocker::Minimised: frame->showNormal(); break;
        case Blocker::Disabled: frame->setEnabled(true); break;
        case Blocker::OtherMode: clickTab(2); break;
        }
    }
};

TEST_P(UsbDeferTest, ChangeIsActedOnOnceTheFrameCan) {
    Start(2);
    block();
    usb = 1;
    frame->PollUsb();
    EXPECT_EQ(views[2]->count(cmd::kFetch), 0);
    EXPECT_EQ(app.m_FetchPending, 1);
    EXPECT_TRUE(frame->TransferBar()->ShowsUsbButton()) << "the button follows at once";
    unblock();
    frame->PollUsb();
    frame->PollUsb();
    EXPECT_EQ(views[2]->count(cmd::kFetch), 1);
    EXPECT_EQ(app.m_FetchPending, 0);
}

INSTANTIATE_TEST_SUITE_P(Conditions, UsbDeferTest,
                         ::testing::Values(Blocker::MenuOpen, Blocker::Minimised, Blocker::Disabled,
                                           Blocker::OtherMode));

// ------------------------------------------------------------ refresh

TEST_F(MainFrameTest, DeviceEventsWithinOnePeriodGiveOneRefresh) {
    frame->send(CMainFrame::kWmDeviceChange, CMainFrame::kDeviceArrival, 0);
    frame->send(CMainFrame::kWmDeviceChange, CMainFrame::kDeviceRemoveComplete, 0);
    frame->send(CMainFrame::kWmDeviceChange, 0x0007, 0);  // other device events are not changes
    EXPECT_EQ(views[0]->count(cmd::kRefresh), 0) << "nothing before the timer";
    frame->RefreshTick();
    frame->RefreshTick();
    EXPECT_EQ(views[0]->count(cmd::kRefresh), 1);
}

TEST_F(MainFrameTest, FolderChangesRefreshOnlyWhileWatched) {
    app.m_Settings.watchFolder = 0;
    frame->send(CMainFrame::kWmShellChange, 0, 0);
    EXPECT_FALSE(frame->IsRefreshPending());
    app.m_Settings.watchFolder = 1;
    frame->post(CMainFrame::kWmShellChange, 0, 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame->IsRefreshPending());
}

TEST(VolumeWatcherTest, ReportsMountedAndUnmountedVolumesOncePerChange) {
    QStringList volumes = {QStringLiteral("/"), QStringLiteral("/home")};
    VolumeWatcher watcher(nullptr, [&volumes] { return volumes; });
    int arrived = 0;
    int removed = 0;
    QObject::connect(&watcher, &VolumeWatcher::arrived, [&arrived] { ++arrived; });
    QObject::connect(&watcher, &VolumeWatcher::removed, [&removed] { ++removed; });
    watcher.Poll();
    volumes = {QStringLiteral("/media/card"), QStringLiteral("/"), QStringLiteral("/home")};
    watcher.Poll();
    watcher.Poll();
    EXPECT_EQ(arrived, 1) << "a new volume, in any order";
    EXPECT_EQ(removed, 0);
    volumes = {QStringLiteral("/"), QStringLiteral("/media/stick")};  // one swapped for another
    watcher.Poll();
    EXPECT_EQ(arrived, 2);
    EXPECT_EQ(removed, 1);
}

// ------------------------------------------------------------ routing

TEST_F(MainFrameTest, ViewsAreOfferedCommandsActiveFirstAfterTheApplication) {
    RecordingView appTarget("app", log);
    frame->SetAppTarget(&appTarget);
    clickTab(1);
    log.clear();
    EXPECT_FALSE(frame->RouteCommand(cmd::kExplorer));
    const RoutingLog expected = {{"app", cmd::kExplorer},
                                 {"view1", cmd::kExplorer},
                                 {"view2", cmd::kExplorer},
                                 {"view0", cmd::kExplorer}};
    EXPECT_EQ(log, expected);

    log.clear();
    appTarget.handles = {cmd::kRefresh};
    EXPECT_TRUE(frame->RouteCommand(cmd::kRefresh));
    EXPECT_EQ(log, (RoutingLog{{"app", cmd::kRefresh}})) << "the first taker consumes it";
    frame->SetAppTarget(nullptr);
}

TEST_F(MainFrameTest, DisabledCommandsAreDroppedAndUndecidedOnesShowGreyed) {
    views[0]->enabled[cmd::kRefresh] = false;
    EXPECT_FALSE(frame->send(ui::kWmCommand, cmd::kRefresh, 0));
    EXPECT_EQ(views[0]->count(cmd::kRefresh), 0);
    EXPECT_FALSE(frame->CommandEnabled(cmd::kExplorer));
    views[2]->handles.insert(cmd::kExplorer);
    EXPECT_TRUE(frame->send(ui::kWmCommand, cmd::kExplorer, 0)) << "undecided commands still run";
    EXPECT_TRUE(frame->CommandEnabled(cmd::kModeMyDb));
    EXPECT_FALSE(frame->CommandEnabled(cmd::kModeMusic));
}

TEST_F(MainFrameTest, TransferCommandNeedsItsHandler) {
    EXPECT_FALSE(frame->CommandEnabled(cmd::kTransfer));
    EXPECT_FALSE(frame->TransferBar()->MediaButton()->isEnabled());
    int runs = 0;
    frame->SetTransferHandler([&runs] { ++runs; });
    frame->send(ui::kWmCommand, cmd::kIdle, 0);
    ASSERT_TRUE(frame->TransferBar()->MediaButton()->isEnabled());
    QTest::mouseClick(frame->TransferBar()->MediaButton(), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    frame->send(ui::kWmCommand, cmd::kStartTrans, 0);
    EXPECT_TRUE(frame->TransferBar()->IsAnimating());
    frame->send(ui::kWmCommand, cmd::kStopTrans, 0);
    EXPECT_FALSE(frame->TransferBar()->IsAnimating());
}

// ------------------------------------------------------------ closing

struct CloseCase {
    const char* name;
    int answer;
    bool saveClears;  // the view's save succeeds
    bool allowed;
};

class CloseTest : public MainFrameTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, SavePromptCoversEveryStore) {
    app.m_MusicData.SetModified(true);
    app.m_PointData.SetModified(true);
    for (RecordingView* view : views) {
        view->onHandled = [this](int id) {
            if (!GetParam().saveClears) return;
            if (id == cmd::kSaveEx) app.m_MusicData.SetModified(false);
            if (id == cmd::kSavePt) app.m_PointData.SetModified(false);
        };
    }
    answer = GetParam().answer;
    EXPECT_EQ(frame->close(), GetParam().allowed);
    EXPECT_EQ(questions.size(), 1u);
    const bool yes = GetParam().answer == CMessageDlg::kYes;
    EXPECT_EQ(views[0]->count(cmd::kSaveEx), yes ? 1 : 0);
    EXPECT_EQ(views[0]->count(cmd::kSaveDb), 0) << "the unmodified store is not saved";
    EXPECT_EQ(views[0]->count(cmd::kSavePt), yes ? 1 : 0) << "the active view takes every save";
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseTest,
                         ::testing::Values(CloseCase{"YesSaved", CMessageDlg::kYes, true, true},
                                           CloseCase{"YesFailed", CMessageDlg::kYes, false, false},
                                           CloseCase{"No", CMessageDlg::kNo, false, true},
                                           CloseCase{"Cancel", CMessageDlg::kCancel, false, false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(MainFrameTest, NothingModifiedClosesWithoutAsking) {
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(questions.empty());
}

// ------------------------------------------------------------ accelerators

struct AccelCase {
    QKeyCombination keys;
    int command;
};

class AcceleratorTableTest : public ::testing::TestWithParam<AccelCase> {};

TEST_P(AcceleratorTableTest, KeysGiveTheirCommand) {
    EXPECT_EQ(CAccelerators::Lookup(GetParam().keys), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AcceleratorTableTest,
    ::testing::Values(
        AccelCase{Qt::ControlModifier | Qt::Key_A, 32812}, AccelCase{Qt::ControlModifier | Qt::Key_C, 57634},
        AccelCase{Qt::ControlModifier | Qt::Key_N, 32811}, AccelCase{Qt::ControlModifier | Qt::Key_O, 57601},
        AccelCase{Qt::ControlModifier | Qt::Key_S, 57603}, AccelCase{Qt::ControlModifier | Qt::Key_V, 57637},
        AccelCase{Qt::ControlModifier | Qt::Key_X, 57635}, AccelCase{Qt::AltModifier | Qt::Key_F, 32771},
        AccelCase{Qt::AltModifier | Qt::Key_E, 32772}, AccelCase{Qt::AltModifier | Qt::Key_V, 32773},
        AccelCase{Qt::AltModifier | Qt::Key_H, 32774}, AccelCase{Qt::NoModifier | Qt::Key_Delete, 57632},
        AccelCase{Qt::ShiftModifier | Qt::ControlModifier | Qt::Key_Delete, 32829},
        AccelCase{Qt::ShiftModifier | Qt::ControlModifier | Qt::Key_Insert, 32799},
        AccelCase{Qt::AltModifier | Qt::Key_Up, 32784}, AccelCase{Qt::AltModifier | Qt::Key_Down, 32785},
        AccelCase{Qt::NoModifier | Qt::Key_Return, 32798}, AccelCase{Qt::KeypadModifier | Qt::Key_Enter, 32798},
        AccelCase{Qt::AltModifier | Qt::Key_Return, 32806}, AccelCase{Qt::NoModifier | Qt::Key_F5, 32786},
        AccelCase{Qt::NoModifier | Qt::Key_F6, 32775}, AccelCase{Qt::NoModifier | Qt::Key_F7, 32776},
        AccelCase{Qt::NoModifier | Qt::Key_F8, 32777}));

TEST(AcceleratorLookupTest, OtherCombinationsAreNotBound) {
    EXPECT_EQ(CAccelerators::Lookup(Qt::ShiftModifier | Qt::Key_Delete), std::nullopt);
    EXPECT_EQ(CAccelerators::Lookup(Qt::ControlModifier | Qt::Key_Delete), std::nullopt);
    EXPECT_EQ(CAccelerators::Lookup(Qt::NoModifier | Qt::Key_A), std::nullopt);
    EXPECT_EQ(CAccelerators::Lookup(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_S), std::nullopt);
}

TEST_F(MainFrameTest, AcceleratorsWorkOnlyWithoutMenuAndWhileEnabled) {
    QTest::keyClick(views[0], Qt::Key_F5);
    EXPECT_EQ(views[0]->count(cmd::kRefresh), 1);
    frame->MenuBar()->OpenMenu(0);
    QTest::keyClick(views[0], Qt::Key_F5);
    frame->MenuBar()->PopupMenu()->close();
    frame->setEnabled(false);
    QTest::keyClick(views[0], Qt::Key_F5);
    frame->setEnabled(true);
    EXPECT_EQ(views[0]->count(cmd::kRefresh), 1);
    QTest::keyClick(views[0], Qt::Key_F8);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->ActiveMode(), 2) << "F8 switches to the point mode";
}

TEST_F(MainFrameTest, AnEditorWithTheFocusKeepsItsKeys) {
    views[0]->handles.insert({cmd::kEditCopy, cmd::kEdit});
    auto* editor = new QLineEdit(views[0]);
    editor->show();
    editor->setFocus();
    editor->setText(QStringLiteral("abc"));
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClick(editor, Qt::Key_F5);
    EXPECT_EQ(views[0]->count(cmd::kEditCopy) + views[0]->count(cmd::kEdit), 0);
    EXPECT_EQ(views[0]->count(cmd::kRefresh), 1);
}

}  // namespace
