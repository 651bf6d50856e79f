// The point view's window: in-place edits through the skinned list, the header buttons' states,
// the double click and the column widths kept in the settings.
#include "PointViewTestSupport.h"

#include <points/view/PointCommands.h>
#include <points/view/PointHeader.h>
#include <points/view/PointListModel.h>
#include <points/view/PointView.h>

#include <points/CPointData.h>
#include <points/PointListEdit.h>

#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <ui/SkinButton.h>
#include <ui/SkinList.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PointViewTest : public ::testing::Test {
protected:
    PointViewTest() {
        app->m_Settings.view = 2;
        auto entry = std::make_unique<points::PointEntry>();
        std::snprintf(entry->name, sizeof entry->name, "a");
        app->m_PointData.PutPoint(app->m_PointData.FindFreeSlot(), entry.get());
        view = std::make_unique<CPointView>(*app);
        view->resize(720, 400);
        view->show();
        view->onCommand(cmd::kUpdate);
    }

    // Types `text` into cell (row, column) and presses Enter.
    void type(int row, int column, const QString& text) {
        ASSERT_TRUE(view->List()->EditCell(row, column));
        auto* line =
            qobject_cast<QLineEdit*>(view->List()->indexWidget(view->Model().index(row, column)));
        ASSERT_TRUE(line);
        line->setText(text);
        QTest::keyClick(line, Qt::Key_Return);
        QApplication::processEvents();
    }
    QString cell(int row, int column) { return view->Model().index(row, column).data().toString(); }

    std::unique_ptr<CAppData> app = std::make_unique<CAppData>();
    std::unique_ptr<CPointView> view;
    pointtest::Messages messages;
};

}  // namespace

TEST_F(PointViewTest, EditsInPlaceWithTheFieldChecks) {
    type(0, points::kColumnReading, QStringLiteral("えー"));
    EXPECT_EQ(cell(0, points::kColumnReading), QStringLiteral("エー"));
    type(0, points::kColumnTelephone, QStringLiteral("03-ABC"));
    EXPECT_EQ(cell(0, points::kColumnTelephone), QString());
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("適切でない文字が含まれています。")});

    ASSERT_TRUE(view->List()->EditCell(0, points::kColumnGroup));
    auto* combo = qobject_cast<QComboBox*>(
        view->List()->indexWidget(view->Model().index(0, points::kColumnGroup)));
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->count(), 11);
    combo->setCurrentIndex(4);
    Q_EMIT combo->activated(4);
    QApplication::processEvents();
    EXPECT_EQ(cell(0, points::kColumnGroup), QStringLiteral("グループ４"));
}

TEST_F(PointViewTest, ButtonsFollowTheIdleRulesAndWidthsAreKept) {
    view->onCommand(cmd::kIdle);
    EXPECT_TRUE(view->Header()->Button(cmd::kPointNew)->isEnabled());
    EXPECT_FALSE(view->Header()->Button(cmd::kShowOnMap)->isEnabled());
    {
        pointtest::MapBridge bridge;
        view->SelectRow(0);
        EXPECT_FALSE(view->onCommand(cmd::kIdle)) << "IDLE goes on to the other views";
        EXPECT_TRUE(view->Header()->Button(cmd::kShowOnMap)->isEnabled());
        EXPECT_TRUE(view->Header()->Button(cmd::kTakeFromMap)->isEnabled());
        EXPECT_EQ(view->commandText(cmd::kProperties), PointCommands::kPropertiesText);
    }
    view->List()->SetColumnWidths({30, 200, 100, 100, 90});
    EXPECT_EQ(app->m_Settings.ptColumn, (std::vector<std::uint32_t>{30, 200, 100, 100, 90}));
}
