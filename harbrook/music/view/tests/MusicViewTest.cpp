// The music view's window: moving tracks by dragging, in-place edits over several rows, the
// columns of playlists and tracks.
#include "MusicViewTestSupport.h"

#include <music/view/MusicListModel.h>
#include <music/view/MusicStatus.h>
#include <music/view/MusicTreeModel.h>
#include <music/view/MusicView.h>

#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <ui/PaneDragDrop.h>
#include <ui/SkinList.h>
#include <ui/SkinTree.h>

#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace {

class MusicViewTest : public MusicViewFixture {
protected:
    MusicViewTest() {
        view = std::make_unique<CMusicView>(*app);
        view->resize(900, 400);
        view->show();
    }
    ~MusicViewTest() override { view.reset(); }
    CMusicData& doc() override { return app->m_MusicData; }

    void Update() { view->onCommand(cmd::kUpdate); }
    QString Cell(int row, int column) {
        return view->ListModel()->index(row, column).data().toString();
    }
    // Types `text` into cell (row, column) of the transfer list and presses Enter.
    void Type(int row, int column, const QString& text) {
        ASSERT_TRUE(view->TransferList()->EditCell(row, column));
        auto* line = qobject_cast<QLineEdit*>(
            view->TransferList()->indexWidget(view->ListModel()->index(row, column)));
        ASSERT_TRUE(line);
        line->setText(text);
        QTest::keyClick(line, Qt::Key_Return);
        QApplication::processEvents();
    }

    std::unique_ptr<CAppData> app = std::make_unique<CAppData>();
    std::unique_ptr<CMusicView> view;
};

}  // namespace

TEST_F(MusicViewTest, TrackDraggedToAFullPlayListStaysAndTheRefusalIsShown) {
    const int source = PlayListOf(3);
    const int full = PlayListOf(99);
    const int open = PlayListOf(1);
    Update();
    view->ShowPlayList(source);

    ui::PaneDrop drop;
    drop.source = view->TransferList();
    drop.items = {view->ListModel()->index(0, 0), view->ListModel()->index(1, 0)};
    drop.target = view->TreeModel()->PlayListIndex(full);
    view->DropOnTree(drop);
    EXPECT_EQ(CSongbase::GetTrackCount(source), 3);
    EXPECT_EQ(CSongbase::GetTrackCount(full), 99);
    EXPECT_EQ(messages, QStringList{QStringLiteral("トラックの最大数は99曲です。")});

    view->ShowPlayList(source);
    drop.items = {view->ListModel()->index(0, 0), view->ListModel()->index(2, 0)};
    drop.target = view->TreeModel()->PlayListIndex(open);
    view->DropOnTree(drop);
    EXPECT_EQ(CSongbase::GetTrackCount(source), 1);
    EXPECT_EQ(CSongbase::GetTrackCount(open), 3);
}

TEST_F(MusicViewTest, EditOfSeveralRowsAppliesToAllOnlyAfterYes) {
    const int list = PlayListOf(3);
    Update();
    view->ShowPlayList(list);
    view->SelectRows({0, 2});
    answer = CMessageDlg::kNo;
    Type(0, MusicListModel::kReading, QStringLiteral("ウミ"));
    EXPECT_EQ(Cell(0, MusicListModel::kReading), QString());
    answer = CMessageDlg::kYes;
    Type(0, MusicListModel::kReading, QStringLiteral("ウミ"));
    // Readings are kept in hiragana.
    EXPECT_EQ(Cell(0, MusicListModel::kReading), QStringLiteral("うみ"));
    EXPECT_EQ(Cell(1, MusicListModel::kReading), QString());
    EXPECT_EQ(Cell(2, MusicListModel::kReading), QStringLiteral("うみ"));
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.front(), QString::fromUtf8(CMusicView::kSeveralRowsQuestion));
}

TEST_F(MusicViewTest, ReleaseYearAndCharactersAreChecked) {
    PlayListOf(1);
    Update();
    view->ShowPlayList(-1);
    view->SelectRows({0});
    Type(0, MusicListModel::kReleaseYear, QStringLiteral("999"));
    Type(0, MusicListModel::kArtist, QStringLiteral("a\u00e9"));
    EXPECT_EQ(Cell(0, MusicListModel::kReleaseYear), QString());
    EXPECT_EQ(Cell(0, MusicListModel::kArtist), QString());
    EXPECT_EQ(messages.size(), 2);
    Type(0, MusicListModel::kReleaseYear, QStringLiteral("2004"));
    EXPECT_EQ(Cell(0, MusicListModel::kReleaseYear), QStringLiteral("2004"));
}

TEST_F(MusicViewTest, TracksHideTheSeventhColumnAndItsWidthComesBack) {
    const int list = PlayListOf(2);
    Update();
    view->ShowPlayList(-1);
    view->TransferList()->setColumnWidth(MusicListModel::kReleaseYear, 77);
    view->ShowPlayList(list);
    EXPECT_EQ(view->ListModel()->columnCount(), MusicListModel::kTrackColumns);
    EXPECT_EQ(view->ListModel()->headerData(5, Qt::Horizontal).toString(),
              QStringLiteral("トラック№ "));
    view->TransferList()->setColumnWidth(MusicListModel::kTitle, 140);
    // The settings follow at once, the seventh width kept while tracks are shown.
    EXPECT_EQ(app->m_Settings.playColumn[MusicListModel::kTitle], 140u);
    EXPECT_EQ(app->m_Settings.playColumn[MusicListModel::kReleaseYear], 77u);
    view->ShowPlayList(-1);
    EXPECT_EQ(view->TransferList()->columnWidth(MusicListModel::kReleaseYear), 77);
    EXPECT_EQ(view->Status()->CapacityShown(), CMusicStatus::CapacityText(CSongbase::GetAllFileSize()));
    EXPECT_EQ(CMusicStatus::CapacityText(1), QStringLiteral("容量 1MB"));
}

TEST_F(MusicViewTest, FilesDroppedFromTheDesktopAreAddedAsFromThePcPanes) {
    const std::string folder = scratch.file("drop");
    Copy(Mp3(2), "drop/x.mp3");
    Copy(Mp3(1), "drop/y.mp3");
    Update();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder))});
    ui::PaneDrop drop;
    drop.mime = &mime;
    view->DropOnList(drop);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->IsAdding(); }, 5000));
    ASSERT_EQ(CSongbase::GetPlayListCount(), 1);
    EXPECT_EQ(view->TreeModel()->index(0, 0, view->TreeModel()->RootIndex()).data().toString(),
              QStringLiteral("drop"));
    EXPECT_EQ(CSongbase::GetTagTrackNo(0, 0), 1);
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(MusicViewTest, CopyDeleteAndPasteThroughTheCommands) {
    PlayListOf(2);
    PlayListOf(3);
    Update();
    view->ShowPlayList(1);
    view->FocusTree();
    EXPECT_TRUE(view->commandEnabled(cmd::kEditCopy).value_or(false));
    EXPECT_FALSE(view->commandEnabled(cmd::kEditPaste).value_or(true));
    view->onCommand(cmd::kEditCopy);
    view->onCommand(cmd::kEditClear);
    ASSERT_EQ(CSongbase::GetPlayListCount(), 1);
    view->ShowPlayList(0);
    view->FocusTree();
    view->onCommand(cmd::kEditPaste);
    ASSERT_EQ(CSongbase::GetPlayListCount(), 2);
    EXPECT_EQ(CSongbase::GetTrackCount(0), 3);
    EXPECT_EQ(CSongbase::GetTrackCount(1), 2);

    view->ShowPlayList(1);
    view->SelectRows({0});
    EXPECT_FALSE(view->commandEnabled(cmd::kMoveUp).value_or(true));
    EXPECT_TRUE(view->commandEnabled(cmd::kMoveDown).value_or(false));
    view->onCommand(cmd::kEditCopy);
    view->onCommand(cmd::kEditPaste);
    EXPECT_EQ(CSongbase::GetTrackCount(1), 3);
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(MusicViewTest, DraggedPlayListsAndTracksMoveBySwaps) {
    for (int count : {1, 2, 3, 4}) PlayListOf(count);
    Update();
    ui::PaneDrop drop;
    drop.source = view->PlayTree();
    drop.items = {view->TreeModel()->PlayListIndex(3)};
    drop.target = view->TreeModel()->PlayListIndex(0);
    view->DropOnTree(drop);
    std::vector<int> counts;
    for (int list = 0; list < 4; ++list) counts.push_back(CSongbase::GetTrackCount(list));
    EXPECT_EQ(counts, (std::vector<int>{4, 1, 2, 3}));

    view->ShowPlayList(0);
    MusicProperties first{};
    doc().GetProperties(0, 0, &first);
    std::snprintf(first.title, sizeof first.title, "first");
    doc().SetProperties(0, 0, first);
    Update();
    drop.source = view->TransferList();
    drop.items = {view->ListModel()->index(0, 0)};
    drop.target = view->ListModel()->index(2, 0);
    view->DropOnList(drop);
    EXPECT_EQ(Cell(2, MusicListModel::kTitle), QStringLiteral("first"));
    EXPECT_EQ(Cell(2, MusicListModel::kNumber), QStringLiteral("3"));
}
