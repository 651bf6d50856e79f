// CSplitPane: where the bar goes, what becomes of the stored ratio and column widths, dragging.
#include "UiTestRegistry.h"
#include "UiTestSupport.h"

#include <ui/SplitPane.h>

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace {

// A pane of `size` over a plain tree and a list showing `columns` columns.
struct PaneFixture {
    PaneFixture(QSize size, float startRatio, std::vector<std::uint32_t> startWidths,
                int columns = 4, int paneColumns = 4)
        : ratio(startRatio), widths(std::move(startWidths)), model(0, columns) {
        pane = std::make_unique<CSplitPane>();
        auto* list = new QTreeView;
        list->setModel(&model);
        pane->Create(new QTreeView, 59650, QStringLiteral("  転送リスト"), list, 59651, paneColumns,
                     ratio, widths);
        pane->resize(size);
        pane->show();  // a hidden widget gets its resize events only when shown
    }
    QWidget* tree() const { return pane->Tree(); }
    QWidget* list() const { return pane->List(); }

    float ratio;
    std::vector<std::uint32_t> widths;
    QStandardItemModel model;
    std::unique_ptr<CSplitPane> pane;
};

}  // namespace

class SplitPaneTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void barIsHeldBetweenItsBoundsInA300PixelPane() {
        PaneFixture narrowTree({300, 200}, 0.1f, {});
        QCOMPARE(narrowTree.pane->BarPosition(), 96);
        QCOMPARE(narrowTree.ratio, 0.32f);
        QCOMPARE(narrowTree.tree()->geometry().width(), 96);
        QCOMPARE(narrowTree.list()->geometry(), QRect(101, 0, 199, 200));

        PaneFixture wideTree({300, 200}, 0.9f, {});
        QCOMPARE(wideTree.pane->BarPosition(), 199);
        QCOMPARE(wideTree.list()->geometry().width(), 96);
    }

    void paneTooNarrowForBothBoundsKeepsBothChildrenAndTheRatio() {
        for (int width : {150, 60, 3}) {
            PaneFixture fixture({width, 100}, 0.3f, {});
            const QRect tree = fixture.tree()->geometry();
            const QRect list = fixture.list()->geometry();
            QVERIFY2(tree.width() >= 0 && list.width() >= 0, qPrintable(QString::number(width)));
            QVERIFY(tree.right() < list.left());
            QCOMPARE(fixture.ratio, 0.3f);
        }
    }

    void widthListIsForcedToTheColumnCount() {
        PaneFixture play({600, 100}, 0.3f, {125, 25, 95, 75, 55, 50, 50, 50}, 7, 7);
        const auto* header = static_cast<QTreeView*>(play.list())->header();
        QCOMPARE(header->count(), 7);
        QCOMPARE(header->sectionSize(6), 50);
        static_cast<QTreeView*>(play.list())->header()->resizeSection(1, 40);
        play.pane.reset();
        QCOMPARE(play.widths, (std::vector<std::uint32_t>{125, 40, 95, 75, 55, 50, 50}));

        PaneFixture file({600, 100}, 0.3f, {210, 105});
        QCOMPARE(file.widths, (std::vector<std::uint32_t>{210, 105, 0, 0}));
        QCOMPARE(static_cast<QTreeView*>(file.list())->header()->sectionSize(3), 0);
    }

    void draggingTheBarMovesItWithinTheBounds() {
        PaneFixture fixture({400, 100}, 0.5f, {});
        QCOMPARE(fixture.pane->BarPosition(), 200);
        CSplitPane* pane = fixture.pane.get();
        sendMouse(pane, QEvent::MouseButtonPress, {202, 50}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(pane->IsDragging());
        sendMouse(pane, QEvent::MouseMove, {152, 50}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(pane->BarPosition(), 150);
        QCOMPARE(fixture.tree()->width(), 200);  // laid out only when the button is released
        sendMouse(pane, QEvent::MouseMove, {10, 50}, Qt::NoButton, Qt::LeftButton);
        sendMouse(pane, QEvent::MouseButtonRelease, {10, 50}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!pane->IsDragging());
        QCOMPARE(pane->BarPosition(), 96);
        QCOMPARE(fixture.tree()->width(), 96);
        QCOMPARE(fixture.ratio, 0.24f);
    }
};

HARBROOK_UI_TEST(SplitPaneTest);
#include "SplitPaneTest.moc"
