// CSplitPane: where the bar goes, what becomes of the stored ratio and column widths, dragging.
#include "UiTestSupport.h"

#include <ui/SkinList.h>
#include <ui/SkinTree.h>
#include <ui/SplitPane.h>

#include <QStandardItemModel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A pane of `size` over a skinned tree and a list showing `columns` columns.
struct PaneFixture {
    PaneFixture(QSize size, float startRatio, std::vector<std::uint32_t> startWidths,
                int columns = 4, int paneColumns = 4)
        : ratio(startRatio), widths(std::move(startWidths)), model(0, columns) {
        pane = std::make_unique<CSplitPane>();
        auto* list = new CSkinList;
        list->setModel(&model);
        pane->Create(new CSkinTree, 59650, QStringLiteral("  転送リスト"), list, 59651, paneColumns,
                     ratio, widths);
        pane->resize(size);
        pane->show();  // a hidden widget gets its resize events only when shown
    }
    CSkinTree* tree() const { return pane->Tree(); }
    CSkinList* list() const { return pane->List(); }

    float ratio;
    std::vector<std::uint32_t> widths;
    QStandardItemModel model;
    std::unique_ptr<CSplitPane> pane;
};

}  // namespace

TEST(SplitPaneTest, BarIsHeldBetweenItsBoundsInA300PixelPane) {
    PaneFixture narrowTree({300, 200}, 0.1f, {});
    EXPECT_EQ(narrowTree.pane->BarPosition(), 96);
    EXPECT_FLOAT_EQ(narrowTree.ratio, 0.32f);
    EXPECT_EQ(narrowTree.tree()->geometry().width(), 96);
    EXPECT_EQ(narrowTree.list()->geometry(), QRect(101, 0, 199, 200));

    PaneFixture wideTree({300, 200}, 0.9f, {});
    EXPECT_EQ(wideTree.pane->BarPosition(), 199);
    EXPECT_EQ(wideTree.list()->geometry().width(), 96);
}

TEST(SplitPaneTest, PaneTooNarrowForBothBoundsKeepsBothChildrenAndTheRatio) {
    for (int width : {150, 60, 3}) {
        PaneFixture fixture({width, 100}, 0.3f, {});
        const QRect tree = fixture.tree()->geometry();
        const QRect list = fixture.list()->geometry();
        EXPECT_TRUE(tree.width() >= 0 && list.width() >= 0) << width;
        ASSERT_TRUE(tree.right() < list.left());
        EXPECT_FLOAT_EQ(fixture.ratio, 0.3f);
    }
}

TEST(SplitPaneTest, WidthListIsForcedToTheColumnCount) {
    PaneFixture play({600, 100}, 0.3f, {125, 25, 95, 75, 55, 50, 50, 50}, 7, 7);
    EXPECT_EQ(play.list()->ColumnWidths(), (QList<int>{125, 25, 95, 75, 55, 50, 50}));
    EXPECT_EQ(play.tree()->Caption(), QStringLiteral("  転送リスト"));
    play.list()->setColumnWidth(1, 40);
    play.pane.reset();
    EXPECT_EQ(play.widths, (std::vector<std::uint32_t>{125, 40, 95, 75, 55, 50, 50}));

    PaneFixture file({600, 100}, 0.3f, {210, 105});
    EXPECT_EQ(file.widths, (std::vector<std::uint32_t>{210, 105, 0, 0}));
    EXPECT_EQ(file.list()->columnWidth(3), 0);
}

TEST(SplitPaneTest, DraggingTheBarMovesItWithinTheBounds) {
    PaneFixture fixture({400, 100}, 0.5f, {});
    EXPECT_EQ(fixture.pane->BarPosition(), 200);
    CSplitPane* pane = fixture.pane.get();
    sendMouse(pane, QEvent::MouseButtonPress, {202, 50}, Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(pane->IsDragging());
    sendMouse(pane, QEvent::MouseMove, {152, 50}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(pane->BarPosition(), 150);
    EXPECT_EQ(fixture.tree()->width(), 200);  // laid out only when the button is released
    sendMouse(pane, QEvent::MouseMove, {10, 50}, Qt::NoButton, Qt::LeftButton);
    sendMouse(pane, QEvent::MouseButtonRelease, {10, 50}, Qt::LeftButton, Qt::NoButton);
    ASSERT_TRUE(!pane->IsDragging());
    EXPECT_EQ(pane->BarPosition(), 96);
    EXPECT_EQ(fixture.tree()->width(), 96);
    EXPECT_FLOAT_EQ(fixture.ratio, 0.24f);
}
