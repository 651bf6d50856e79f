// The point view's commands over a real store: rows, enabling rules, clip board, files, the map
// and the fetch from the unit.
#include "PointViewTestSupport.h"

#include <points/view/PointCommands.h>
#include <points/view/PointListModel.h>
#include <points/view/UnitPointFetch.h>

#include <points/CPointData.h>
#include <points/PointListEdit.h>

#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <shell/gui/FileDialog.h>
#include <testsupport/ScratchDir.h>

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

#include <cstring>
#include <deque>

using pointtest::sjis;

namespace {

// Answers the new-point dialogs: each step takes the next scripted answer (0 cancels).
class ScriptedDialogs : public points::NewPointDialogs {
public:
    std::deque<int> answers;
    std::string name = "new";
    int ChooseWay() override { return next(); }
    bool PositionFromMap(points::PointEntry& entry) override { return position(entry); }
    bool TypedPosition(points::PointEntry& entry) override { return position(entry); }
    bool PointData(points::PointEntry& entry) override {
        std::snprintf(entry.name, sizeof entry.name, "%s", name.c_str());
        return next() != 0;
    }

private:
    int next() {
        if (answers.empty()) return 0;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool position(points::PointEntry& entry) {
        entry.longitude = 503083400;
        entry.latitude = 128371000;
        return next() != 0;
    }
};

// Stages and merges a unit set prepared in a folder, as the fetch loop would leave it.
class FolderFetch : public UnitPointFetch {
public:
    FolderFetch(points::CPointData& store, std::string root) : m_store(store), m_root(root) {}
    Result Run() override { return Result::Fetched; }
    bool Stage(int& count) override { return m_store.StageUnitFile(m_root, count); }
    bool Merge() override {
        m_store.DeleteUnitPoints();
        if (!m_store.MergeUnitPoints(m_root)) return false;
        m_store.SetTransferAllowed(true);
        return true;
    }

private:
    points::CPointData& m_store;
    std::string m_root;
};

class PointCommandsTest : public ::testing::Test {
protected:
    PointCommandsTest() {
        app->m_Settings.view = 2;
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        commands.SetDialogs(std::move(scripted));
    }
    ~PointCommandsTest() override { CFileDialog::SetChooser({}); }

    int add(const char* name, int state = points::kStateChanged) {
        points::CPointData& store = app->m_PointData;
        const int slot = store.FindFreeSlot();
        auto entry = std::make_unique<points::PointEntry>();
        std::snprintf(entry->name, sizeof entry->name, "%s", name);
        entry->longitude = 503083400;
        entry->latitude = 128371000;
        EXPECT_TRUE(store.PutPoint(slot, entry.get()));
        store.SetPointState(slot, state);
        return slot;
    }
    QString nameAt(int row) const {
        return model.index(row, points::kColumnName).data().toString();
    }
    bool enabled(int id) { return commands.commandEnabled(id).value_or(false); }

    std::unique_ptr<CAppData> app = std::make_unique<CAppData>();
    PointListModel model{app->m_PointData};
    QAbstractItemModelTester tester{&model};
    int selected = -1;
    PointCommands commands{
        *app, model, nullptr,
        PointCommands::ListHooks{[this] { return selected; }, [this](int row) { selected = row; },
                                 [](int) { return true; }, [] {}}};
    ScriptedDialogs* dialogs = nullptr;
    pointtest::Messages messages;
};

}  // namespace

TEST_F(PointCommandsTest, RowsShowTheUnitsPointsFirstWithTheirStates) {
    add("pc", points::kStateChanged);
    add("unit", points::kStateOnUnit);
    commands.onCommand(cmd::kUpdate);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(nameAt(0), QStringLiteral("unit"));
    EXPECT_EQ(model.index(0, 0).data(PointListModel::kStateRole).toInt(), 1);
    EXPECT_EQ(model.index(1, 4).data().toString(), QStringLiteral("グループなし"));
    EXPECT_FALSE(model.index(1, 0).data(Qt::DecorationRole).value<QPixmap>().isNull());

    // An edit in place goes to the store: the reading in katakana, the point changed.
    ASSERT_TRUE(model.setData(model.index(0, points::kColumnReading), QStringLiteral("ゆにっと")));
    EXPECT_EQ(model.index(0, points::kColumnReading).data().toString(), QStringLiteral("ユニット"));
    EXPECT_EQ(model.index(0, 0).data(PointListModel::kStateRole).toInt(), 3);
    EXPECT_FALSE(model.setData(model.index(0, points::kColumnTelephone), QStringLiteral("03-abc")));
    EXPECT_TRUE(model.SetGroup(0, 3));
    EXPECT_EQ(model.index(0, 4).data().toString(), QStringLiteral("グループ３"));
}

TEST_F(PointCommandsTest, EnablingFollowsSelectionStatesAndTheMode) {
    EXPECT_FALSE(enabled(cmd::kPointsSaveAll));
    add("saved", points::kStateSaved);
    commands.onCommand(cmd::kUpdate);
    EXPECT_TRUE(enabled(cmd::kPointsSaveAll));
    EXPECT_FALSE(enabled(cmd::kFileSave));  // no point in state 3
    EXPECT_FALSE(enabled(cmd::kEditCopy));
    EXPECT_EQ(commands.commandText(cmd::kProperties), PointCommands::kNewPointText);
    selected = 0;
    EXPECT_TRUE(enabled(cmd::kEditCopy));
    EXPECT_EQ(commands.commandText(cmd::kProperties), PointCommands::kPropertiesText);
    EXPECT_FALSE(enabled(cmd::kEditPaste));  // nothing copied yet
    EXPECT_FALSE(enabled(cmd::kShowOnMap));  // no map bridge
    {
        pointtest::MapBridge bridge;
        EXPECT_TRUE(enabled(cmd::kShowOnMap));
    }
    app->m_Settings.view = 0;  // another mode: its view decides, the edits pass through here
    EXPECT_FALSE(commands.commandEnabled(cmd::kEditCopy).has_value());
    EXPECT_FALSE(commands.onCommand(cmd::kFileNew));
    EXPECT_TRUE(enabled(cmd::kSavePt));
}

TEST_F(PointCommandsTest, PasteGoesToTheSelectedOrTopRowAndRepeats) {
    add("a");
    add("b");
    commands.onCommand(cmd::kUpdate);
    selected = 1;
    commands.onCommand(cmd::kEditCopy);
    selected = -1;
    commands.onCommand(cmd::kEditPaste);
    commands.onCommand(cmd::kEditPaste);
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(nameAt(0), QStringLiteral("b"));
    EXPECT_EQ(nameAt(1), QStringLiteral("b"));
    EXPECT_NE(model.SlotAt(0), model.SlotAt(1));

    selected = 3;
    commands.onCommand(cmd::kEditCut);  // the last "b" leaves; its copy stays in the clip
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(nameAt(2), QStringLiteral("a"));
    selected = 2;
    commands.onCommand(cmd::kEditClear);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(app->m_PointData.PointCount(), 2);
}

TEST_F(PointCommandsTest, NewPointsAreAppendedAndCancelAddsNothing) {
    add("old");
    commands.onCommand(cmd::kUpdate);
    dialogs->answers = {points::NewPointDialogs::kChoiceCancel};
    commands.onCommand(cmd::kPointNew);
    EXPECT_EQ(model.rowCount(), 1);

    selected = 0;
    dialogs->answers = {points::NewPointDialogs::kChoiceTyped, 1, 1};
    commands.onCommand(cmd::kPointNew);  // clears the selection first
    EXPECT_EQ(selected, -1);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(nameAt(1), QStringLiteral("new"));

    // Properties of a selected row edit that point.
    selected = 0;
    dialogs->name = "renamed";
    dialogs->answers = {1};
    commands.onCommand(cmd::kProperties);
    EXPECT_EQ(nameAt(0), QStringLiteral("renamed"));
}

TEST_F(PointCommandsTest, SavesAndOpensWorkFilesInTheRememberedPlace) {
    testsupport::ScratchDir dir;
    add("a");
    commands.onCommand(cmd::kUpdate);
    QStringList offered;
    CFileDialog::SetChooser([&](QWidget*, int, int, const QString& folder, QString& path) {
        offered.append(folder + QLatin1Char('|') + path);
        path = QString::fromStdString(dir.file("work.V04"));
        return true;
    });
    commands.onCommand(cmd::kFileSave);
    EXPECT_FALSE(enabled(cmd::kFileSave));
    EXPECT_EQ(app->m_Settings.ptFileSpec, "work.V04");
    EXPECT_EQ(app->m_Settings.ptIniFolder, dir.folder());

    add("b");  // unsaved: opening asks first, and Cancel stops
    messages.answers = {CMessageDlg::kCancel};
    commands.onCommand(cmd::kPointsLoadNew);
    EXPECT_EQ(offered.size(), 1);
    messages.answers = {CMessageDlg::kNo};
    commands.onCommand(cmd::kPointsLoadNew);  // replaces the PC points by the file's
    EXPECT_EQ(offered.last(), QString::fromStdString(dir.folder()) + QStringLiteral("|work.V04"));
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(nameAt(0), QStringLiteral("a"));
    EXPECT_EQ(model.index(0, 0).data(PointListModel::kStateRole).toInt(), 2);
}

TEST_F(PointCommandsTest, ShowsPositionsOnTheMapAndTakesThemFromIt) {
    pointtest::MapBridge bridge;
    const int slot = add("a");
    commands.onCommand(cmd::kUpdate);
    selected = 0;
    commands.onCommand(cmd::kShowOnMap);
    EXPECT_EQ(bridge.Opened().size(), 1u);

    bridge.Copy("35.0, 135.0");
    commands.onCommand(cmd::kTakeFromMap);
    auto entry = std::make_unique<points::PointEntry>();
    app->m_PointData.GetPoint(slot, entry.get());
    EXPECT_EQ(entry->latitude, 35 * 3600000);
    EXPECT_EQ(entry->longitude, 135 * 3600000);

    // A point at 0/0 has no place to show.
    entry->longitude = entry->latitude = 0;
    app->m_PointData.PutPoint(slot, entry.get());
    commands.onCommand(cmd::kShowOnMap);
    EXPECT_EQ(bridge.Opened().size(), 1u);

    bridge.Copy("51.5, -0.12");  // London
    commands.onCommand(cmd::kTakeFromMap);
    EXPECT_EQ(messages.shown.last(), QStringLiteral("緯度、経度が対応範囲外を示しています。"));
}

TEST_F(PointCommandsTest, AFetchOverTheLimitAnsweredNoReplacesThePcPoints) {
    // The unit holds 150 points; the PC 60 more.
    testsupport::ScratchDir unit;
    {
        auto source = std::make_unique<points::CPointData>();
        for (int i = 0; i < 150; ++i) {
            auto entry = std::make_unique<points::PointEntry>();
            std::snprintf(entry->name, sizeof entry->name, "u%d", i);
            source->PutPoint(source->FindFreeSlot(), entry.get());
        }
        source->SetTransferAllowed(true);
        ASSERT_TRUE(source->WriteForUsb(unit.folder()));
    }
    for (int i = 0; i < 60; ++i) add("pc");
    commands.onCommand(cmd::kUpdate);
    app->m_UsbState = 1;
    commands.SetFetchFactory(
        [&] { return std::make_unique<FolderFetch>(app->m_PointData, unit.folder()); });
    messages.answers = {CMessageDlg::kNo};
    commands.onCommand(cmd::kFetch);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(app->m_PointData.PointCount(), 150);
    EXPECT_TRUE(app->m_PointData.IsTransferAllowed());
    ASSERT_EQ(model.rowCount(), 150);
    EXPECT_EQ(nameAt(0), QStringLiteral("u0"));
    EXPECT_EQ(model.index(0, 0).data(PointListModel::kStateRole).toInt(), 1);

    commands.onCommand(cmd::kClearNavi);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(app->m_PointData.IsTransferAllowed());
}
