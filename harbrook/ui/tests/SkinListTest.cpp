// CSkinList and CSkinTree: cell mode, in-place editing, painting, drag and drop.
#include "UiTestSupport.h"

#include <ui/SkinList.h>
#include <ui/SkinPalette.h>
#include <ui/SkinTree.h>

#include <testsupport/RecordingTarget.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardItemModel>
#include <QTest>

#include <gtest/gtest.h>

namespace pal = ui::palette;

namespace {

// Rows × columns of "r,c" texts.
void fill(QStandardItemModel& model, int rows, int columns) {
    model.clear();
    for (int row = 0; row < rows; ++row) {
        QList<QStandardItem*> items;
        for (int column = 0; column < columns; ++column)
            items.append(new QStandardItem(QStringLiteral("%1,%2").arg(row).arg(column)));
        model.appendRow(items);
    }
}

class SkinListTest : public ::testing::Test {
protected:
    void SetUp() override {
        fill(model, 5, 6);
        list.resize(400, 200);
        list.setModel(&model);
        list.show();
    }
    QWidget* editor(int row, int column) { return list.indexWidget(model.index(row, column)); }

    QStandardItemModel model;
    CSkinList list;
};

}  // namespace

TEST_F(SkinListTest, TabAndArrowsSkipNarrowAndExcludedColumns) {
    list.SetColumnWidths({60, 4, 60, 3, 60, 60});
    list.SetColumnEligible(4, false);
    list.SetCellMode(true);
    list.SetCurrentCell(1, 0);

    QTest::keyClick(&list, Qt::Key_Tab);  // tab navigation is off: the cursor stays
    EXPECT_EQ(list.CurrentColumn(), 0);
    list.SetTabNavigation(true);
    QList<int> visited;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(&list, Qt::Key_Tab);
        visited.append(list.CurrentColumn());
    }
    EXPECT_EQ(visited, (QList<int>{2, 5, 5}));
    QTest::keyClick(&list, Qt::Key_Backtab);
    EXPECT_EQ(list.CurrentColumn(), 2);
    QTest::keyClick(&list, Qt::Key_Left);
    EXPECT_EQ(list.CurrentColumn(), 0);
    QTest::keyClick(&list, Qt::Key_Right);
    EXPECT_EQ(list.CurrentColumn(), 2);
    EXPECT_EQ(list.CurrentRow(), 1);
    EXPECT_TRUE(list.MoveToColumn(1));  // narrow: the search goes on away from column 2
    EXPECT_EQ(list.CurrentColumn(), 0);
}

TEST_F(SkinListTest, ClickInCellModeTakesTheNearestEligibleColumn) {
    list.SetColumnWidths({60, 60, 60, 60, 60, 60});
    list.SetColumnEligible(3, false);
    list.SetCellMode(true);
    list.SetCurrentCell(0, 0);
    const QRect cell = list.visualRect(model.index(2, 3));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(list.CurrentRow(), 2);
    EXPECT_EQ(list.CurrentColumn(), 4);
}

TEST_F(SkinListTest, EndEditHandlerRefusesOrRewritesAndBeginHandlerRefuses) {
    list.SetColumnEditor(2, ui::CellEditor::Text());
    QList<int> seen;
    bool accept = false;
    list.SetEditHandlers([](const QModelIndex& cell) { return cell.row() != 4; },
                         [&](ui::CellEdit& edit) {
                             seen = {edit.index.row(), edit.index.column()};
                             edit.text = edit.text.toUpper();
                             return accept;
                         });
    const auto type = [&](int row, const char* text) {
        ASSERT_TRUE(list.EditCell(row, 2));
        auto* line = qobject_cast<QLineEdit*>(editor(row, 2));
        ASSERT_TRUE(line);
        line->setText(QString::fromLatin1(text));
        QTest::keyClick(line, Qt::Key_Return);
        QCoreApplication::processEvents();  // the delegate commits on the next turn
    };

    type(1, "new");
    EXPECT_EQ(seen, (QList<int>{1, 2}));
    EXPECT_EQ(model.index(1, 2).data().toString(), QStringLiteral("1,2"));
    EXPECT_FALSE(list.IsEditing());

    accept = true;
    type(3, "new");
    EXPECT_EQ(model.index(3, 2).data().toString(), QStringLiteral("NEW"));

    EXPECT_FALSE(list.EditCell(4, 2));  // refused by the begin handler
    EXPECT_FALSE(list.EditCell(1, 1));  // column without an editor
    EXPECT_FALSE(list.IsEditing());
}

TEST_F(SkinListTest, EnterMovesTheCellCursorDownWhenAsked) {
    list.SetColumnEditor(2, ui::CellEditor::Text());
    list.SetCellMode(true);
    list.SetEnterMovesDown(true);
    for (int row : {1, 4}) {
        ASSERT_TRUE(list.EditCell(row, 2));
        QTest::keyClick(qobject_cast<QLineEdit*>(editor(row, 2)), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(list.CurrentRow(), 4);  // the last row has nothing below
    EXPECT_EQ(list.SelectedRows(), (QList<int>{2}));
    EXPECT_EQ(list.CurrentColumn(), 2);
}

TEST_F(SkinListTest, EditorKinds) {
    list.SetColumnEditor(0, ui::CellEditor::DropDown({QString(), QStringLiteral("#Playlist"),
                                                      QStringLiteral("#Track")}));
    list.SetColumnEditor(1, ui::CellEditor::Number(4));
    list.SetColumnEditor(3, ui::CellEditor::Telephone(24));
    int choice = -2;
    list.SetEditHandlers({}, [&](ui::CellEdit& edit) {
        choice = edit.choice;
        return true;
    });

    ASSERT_TRUE(list.EditCell(0, 0));
    auto* combo = qobject_cast<QComboBox*>(editor(0, 0));
    ASSERT_TRUE(combo);
    combo->setCurrentIndex(2);
    Q_EMIT combo->activated(2);  // picking an entry ends the edit
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(choice, 2);
    EXPECT_EQ(model.index(0, 0).data().toString(), QStringLiteral("#Track"));

    ASSERT_TRUE(list.EditCell(0, 1));
    auto* number = qobject_cast<QLineEdit*>(editor(0, 1));
    ASSERT_TRUE(number);
    QTest::keyClicks(number, QStringLiteral("12a34567"));
    EXPECT_EQ(number->text(), QStringLiteral("1234"));
    QTest::keyClick(number, Qt::Key_Escape);

    ASSERT_TRUE(list.EditCell(0, 3));
    EXPECT_FALSE(editor(0, 3)->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(SkinListTest, EmptyCellsReachTheBottomEdgeAndDisabledIsBorderColour) {
    fill(model, 2, 2);
    list.SetColumnWidths({100, 100});
    const int rowHeight = list.RowHeight();
    const QImage image = list.viewport()->grab().toImage();
    const int bottom = image.height() - 1;
    const int lastLine = (bottom + 1) / rowHeight * rowHeight - 1;  // bottom border of an empty row
    const int inside = lastLine - 2;
    EXPECT_GT(inside, 2 * rowHeight);
    EXPECT_EQ(image.pixelColor(50, inside), pal::kListRow);
    EXPECT_EQ(image.pixelColor(99, inside), pal::kListBorder);    // column border
    EXPECT_EQ(image.pixelColor(300, inside), pal::kListRow);      // right of the last column
    EXPECT_EQ(image.pixelColor(50, lastLine), pal::kListBorder);  // row border

    list.setEnabled(false);
    const QImage disabled = list.viewport()->grab().toImage();
    EXPECT_EQ(disabled.pixelColor(50, 3), pal::kListBorder);
    EXPECT_EQ(disabled.pixelColor(300, bottom), pal::kListBorder);
}

TEST_F(SkinListTest, RowHeightHoldsTheTextLineElseTheTallerImage) {
    const int text = QFontMetrics(list.font()).height() + 2;
    EXPECT_EQ(list.RowHeight(), text);
    list.SetImageSize(QSize(33, 13));
    EXPECT_EQ(list.RowHeight(), std::max(14, text));
    list.SetImageSize(QSize(33, text + 10));
    EXPECT_EQ(list.RowHeight(), text + 11);
    EXPECT_EQ(list.rowHeight(0), text + 11);
}

TEST_F(SkinListTest, ColumnWidthsWaitForTheirColumnsAndFollowResizes) {
    QStandardItemModel later;
    list.setModel(&later);
    list.SetColumnWidths({30, 40, 50});
    fill(later, 1, 2);
    EXPECT_EQ(list.ColumnWidths(), (QList<int>{30, 40}));
    list.setColumnWidth(1, 45);
    later.appendColumn({new QStandardItem});
    EXPECT_EQ(list.ColumnWidths(), (QList<int>{30, 45, 50}));
}

TEST_F(SkinListTest, SelectionItemDataAndTopRow) {
    model.item(3, 0)->setData(42, ui::role::kItemData);
    list.selectRow(3);
    list.selectionModel()->select(model.index(1, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(list.SelectedRows(), (QList<int>{1, 3}));
    EXPECT_EQ(list.ItemData(3).toInt(), 42);
    EXPECT_EQ(list.FindItemData(42), 3);
    EXPECT_EQ(list.FindItemData(7), -1);

    fill(model, 100, 2);
    list.SetTopRow(40);
    EXPECT_EQ(list.TopRow(), 40);
    list.SetTopRow(99);  // the last page stays full
    EXPECT_LT(list.TopRow(), 99);
    EXPECT_GT(list.TopRow(), 80);
}

TEST_F(SkinListTest, FocusChangesAreSentToTheMainFrame) {
    testsupport::RecordingTarget frame;
    ui::SkinContext::SetMainFrame(nullptr, &frame);
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(&list, &in);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&list, &out);
    ui::SkinContext::SetMainFrame(nullptr, nullptr);
    const auto sent = frame.messages(ui::kWmCommand);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].wParam, platform::WParam{ui::kFocusChangedCommand});
    EXPECT_TRUE(sent[0].sent);
}

TEST_F(SkinListTest, DropHandsTheSourceItemsAndTheTargetToTheHandler) {
    QStandardItemModel otherModel;
    fill(otherModel, 3, 1);
    CSkinList source;
    source.setModel(&otherModel);
    std::unique_ptr<QMimeData> mime(
        PaneDragDrop::MakeMimeData(&source, {otherModel.index(0, 0), otherModel.index(2, 0)}));

    ui::PaneDrop dropped;
    list.DragDrop().SetDropHandlers([](const ui::PaneDrop& drop) { return drop.target.isValid(); },
                                    [&](const ui::PaneDrop& drop) { dropped = drop; });
    const QPoint onRow1 = list.visualRect(model.index(1, 0)).center();
    const QPoint below(10, list.viewport()->height() - 2);
    QDragEnterEvent enter(onRow1, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &enter);
    QDragMoveEvent overEmpty(below, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &overEmpty);
    EXPECT_FALSE(overEmpty.isAccepted());
    QDragMoveEvent move(onRow1, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(list.DragDrop().Target().row(), 1);
    const QImage hovering = list.viewport()->grab().toImage();
    EXPECT_EQ(hovering.pixelColor(onRow1.x(), onRow1.y() - 3), pal::kListDropTarget);

    QDropEvent drop(onRow1, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &drop);
    EXPECT_EQ(dropped.source, &source);
    ASSERT_EQ(dropped.items.size(), 2);
    EXPECT_EQ(dropped.items[1].row(), 2);
    EXPECT_EQ(dropped.target.row(), 1);
    EXPECT_FALSE(list.DragDrop().Target().isValid());
}

TEST(SkinTree, ShowsOneColumnACaptionAndEditsLabelsThroughTheHandlers) {
    QStandardItemModel model;
    fill(model, 3, 3);
    CSkinTree tree;
    tree.setModel(&model);
    tree.SetCaption(QStringLiteral("  転送リスト"));
    tree.SetEditor(ui::CellEditor::Text(32));
    tree.SetEditHandlers({}, [](ui::CellEdit& edit) { return edit.text != QLatin1String("bad"); });
    tree.resize(200, 150);
    tree.show();
    EXPECT_FALSE(tree.isHeaderHidden());
    EXPECT_TRUE(tree.isColumnHidden(1) && tree.isColumnHidden(2));

    const auto rename = [&](const char* text) {
        ASSERT_TRUE(tree.EditItem(model.index(1, 0)));
        auto* line = qobject_cast<QLineEdit*>(tree.indexWidget(model.index(1, 0)));
        ASSERT_TRUE(line);
        line->setText(QString::fromLatin1(text));
        QTest::keyClick(line, Qt::Key_Return);
        QCoreApplication::processEvents();  // the delegate commits on the next turn
    };
    rename("bad");
    EXPECT_EQ(model.index(1, 0).data().toString(), QStringLiteral("1,0"));
    rename("good");
    EXPECT_EQ(model.index(1, 0).data().toString(), QStringLiteral("good"));
}
