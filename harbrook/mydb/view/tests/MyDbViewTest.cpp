// The myDB view: editing through the grid, command states and routing, the file dialogs and the
// column widths kept in the settings.
#include <mydb/view/MyDbView.h>

#include <mydb/view/MyDbTableModel.h>
#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <shell/gui/FileDialog.h>
#include <shell/gui/MessageDlg.h>
#include <ui/SkinList.h>

#include <mydb/tests/TestRows.h>
#include <testsupport/ScratchDir.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using testrows::makeRow;

class MyDbViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.RemoveAllRows();
        store.SetModified(false);
        app.m_Settings = AppSettings();
        SetMessageDlgResponder([this](const QString& text, int) {
            messages.append(text);
            return answer;
        });
        view = std::make_unique<CMyDbView>(app);
        view->resize(800, 300);
        view->show();
    }
    void TearDown() override {
        view.reset();
        SetMessageDlgResponder({});
        CFileDialog::SetChooser({});
        store.RemoveAllRows();
        store.SetModified(false);
        app.m_Settings = AppSettings();
    }
    void fill(int count, const std::vector<std::string>& fields) {
        const MyDbRow row = makeRow(fields);
        for (int i = 0; i < count; ++i) store.InsertRow(store.GetRowCount(), row);
        view->onCommand(cmd::kUpdate);
    }
    void select(int first, int last) {
        view->Grid()->selectionModel()->select(
            QItemSelection(view->Model()->index(first, 0), view->Model()->index(last, 0)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // Types `text` into cell (item, column) and presses Enter.
    void type(int item, int column, const QString& text) {
        view->Grid()->SetCurrentCell(item, column);
        const QModelIndex index = view->Model()->index(item, column);
        // Key events carry the characters: QTest cannot type Japanese.
        QKeyEvent first(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text.left(1));
        QApplication::sendEvent(view->Grid(), &first);
        auto* line = qobject_cast<QLineEdit*>(view->Grid()->indexWidget(index));
        ASSERT_NE(line, nullptr) << "typing starts editing";
        line->insert(text.mid(1));
        QTest::keyClick(line, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    QString cell(int item, int column) const {
        return view->Model()->index(item, column).data().toString();
    }

    CAppData& app = theAppData();
    CMyDbData& store = app.m_MyDbData;
    std::unique_ptr<CMyDbView> view;
    QStringList messages;
    int answer = CMessageDlg::kYes;
};

TEST_F(MyDbViewTest, TypingOnSelectedRowsChangesThemAllAfterYes) {
    fill(5, {"#Track", "1", "T"});
    select(0, 4);
    type(2, 1, QStringLiteral("7"));
    EXPECT_EQ(messages, QStringList{QString::fromUtf8(MyDbEditor::kSeveralRowsQuestion)});
    for (int i = 0; i < 5; ++i) EXPECT_EQ(cell(i, 1), QStringLiteral("7"));
    EXPECT_EQ(view->SelectedItems(), (MyDbEditor::Items{3})) << "Enter moves down";

    // A refused text leaves the row and tells the user why.
    select(1, 1);
    type(1, 3, QStringLiteral("漢字"));
    EXPECT_EQ(messages.last(), QString::fromUtf8(MyDbEditor::kRejectedText));
    EXPECT_EQ(cell(1, 3), QString());
    EXPECT_TRUE(view->Grid()->hasFocus());

    // Typing on the new-row item's artist reading makes a playlist row.
    select(5, 5);
    type(5, 7, QStringLiteral("カナ"));
    EXPECT_EQ(cell(5, 0), QStringLiteral("#Playlist"));
    EXPECT_EQ(cell(5, 7), QStringLiteral("かな"));
    EXPECT_EQ(view->Model()->rowCount(), 7);
}

TEST_F(MyDbViewTest, CommandsFollowTheSelectionAndTheActiveMode) {
    fill(3, {"#Track", "1"});
    select(3, 3);  // the new-row item alone
    EXPECT_EQ(view->commandEnabled(cmd::kEdit), true);
    EXPECT_EQ(view->commandEnabled(cmd::kRowDelete), false);
    EXPECT_EQ(view->commandEnabled(cmd::kEditPaste), false);
    select(1, 3);
    EXPECT_TRUE(view->onCommand(cmd::kEditCut));
    EXPECT_EQ(store.GetRowCount(), 1);
    EXPECT_EQ(view->SelectedItems(), (MyDbEditor::Items{1}));
    EXPECT_EQ(view->commandEnabled(cmd::kEditPaste), true);

    view->hide();  // another mode is active: only saving and updating remain
    EXPECT_EQ(view->commandEnabled(cmd::kEditPaste), std::nullopt);
    EXPECT_FALSE(view->onCommand(cmd::kEditPaste));
    EXPECT_EQ(view->commandEnabled(cmd::kSaveDb), true);
    testsupport::ScratchDir dir;
    CFileDialog::SetChooser([&](QWidget*, int kind, int open, const QString&, QString& path) {
        EXPECT_EQ(kind, CFileDialog::kMyDb);
        EXPECT_EQ(open, 0);
        path = QString::fromStdString(dir.file("MYDB.txt"));
        return true;
    });
    EXPECT_TRUE(view->onCommand(cmd::kSaveDb));
    EXPECT_FALSE(store.IsModified());
    EXPECT_EQ(app.m_Settings.dbFileSpec, "MYDB.txt");
}

TEST_F(MyDbViewTest, AFullStoreLosesTheNewRowItemAndRefusesInsert) {
    fill(CMyDbData::kMaxRows, {"#Track", "1"});
    EXPECT_EQ(view->Model()->rowCount(), CMyDbData::kMaxRows);
    select(9000, 9000);
    QCoreApplication::processEvents();
    view->Grid()->scrollTo(view->Model()->index(9000, 0), QAbstractItemView::PositionAtTop);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->Grid()->rowAt(0), 9000);
    view->onCommand(cmd::kRowInsert);
    EXPECT_EQ(messages, QStringList{QStringLiteral("最大行数は10000行です。")});
    view->onCommand(cmd::kRowDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->Model()->rowCount(), CMyDbData::kMaxRows);  // the new-row item is back
    EXPECT_EQ(view->Model()->ItemData(CMyDbData::kMaxRows - 1), MyDbGrid::kNewRowItem);
    EXPECT_EQ(view->Grid()->rowAt(0), 9000) << "the top item stays";
}

TEST_F(MyDbViewTest, ColumnWidthsComeFromAndGoBackToTheSettings) {
    EXPECT_EQ(view->Grid()->ColumnWidths(), (QList<int>{100, 25, 150, 150, 75, 75, 50, 75, 100}));
    EXPECT_EQ(view->Model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("№ "));
    EXPECT_EQ(CMyDbView::GenreChoices().size(), 16);
    EXPECT_EQ(CMyDbView::GenreChoices().at(15), QStringLiteral("演歌/民謡"));
    view->Grid()->setColumnWidth(2, 222);
    view.reset();
    EXPECT_EQ(app.m_Settings.dbColumn[2], 222u);
}

}  // namespace
