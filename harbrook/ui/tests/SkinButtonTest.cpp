// CSkinButton: which frame shows in which state, when the command fires and where it goes.
#include "UiTestSupport.h"

#include <ui/SkinButton.h>
#include <ui/SkinDialog.h>
#include <ui/SkinIds.h>

#include <testsupport/RecordingTarget.h>

#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kCommand = 32779;
const QPoint kInside(10, 10);
const QPoint kOutside(200, 10);

// Plays a space-separated script of mouse actions on the button.
void play(CSkinButton* button, const QString& script) {
    const auto parts = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& step : parts) {
        if (step == QLatin1String("hover")) {
            sendMouse(button, QEvent::MouseMove, kInside, Qt::NoButton, Qt::NoButton);
        } else if (step == QLatin1String("leave")) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(button, &leave);
        } else if (step == QLatin1String("press")) {
            sendMouse(button, QEvent::MouseButtonPress, kInside, Qt::LeftButton, Qt::LeftButton);
        } else if (step == QLatin1String("drag-out") || step == QLatin1String("drag-in")) {
            const QPoint at = step == QLatin1String("drag-in") ? kInside : kOutside;
            sendMouse(button, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        } else if (step == QLatin1String("release") || step == QLatin1String("release-out")) {
            const QPoint at = step == QLatin1String("release") ? kInside : kOutside;
            sendMouse(button, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        } else if (step == QLatin1String("dblclick")) {
            sendMouse(button, QEvent::MouseButtonDblClick, kInside, Qt::LeftButton, Qt::LeftButton);
        } else if (step == QLatin1String("right")) {
            sendMouse(button, QEvent::MouseButtonPress, kInside, Qt::RightButton, Qt::RightButton);
            sendMouse(button, QEvent::MouseButtonRelease, kInside, Qt::RightButton, Qt::NoButton);
        } else {
            ADD_FAILURE() << "unknown step " << step.toStdString();
        }
    }
}

// Records the commands a skinned dialog receives.
class RecordingDialog : public CSkinDialog {
public:
    RecordingDialog() : CSkinDialog(213) {}
    QList<int> commands;

protected:
    bool OnCommand(int commandId) override {
        commands.append(commandId);
        return true;
    }
};

class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::SkinContext::SetMainFrame(nullptr, &m_target);
        m_button = new CSkinButton(m_parent.get());
        ASSERT_TRUE(m_button->SetImage(ui::image::kButtonOk));
        m_button->Create(QRect(0, 0, 80, 24), m_parent.get(), kCommand);
    }
    void TearDown() override {
        m_parent.reset();
        ui::SkinContext::SetMainFrame(nullptr, nullptr);
    }

    testsupport::RecordingTarget m_target;
    std::unique_ptr<QWidget> m_parent = std::make_unique<QWidget>();
    CSkinButton* m_button = nullptr;
};

struct FrameCase {
    const char* name;
    bool latched;
    bool pressActs;
    const char* script;
    int frame;
    int fired;
};

class SkinButtonFrameTest : public SkinButtonTest,
                            public ::testing::WithParamInterface<FrameCase> {};

TEST_P(SkinButtonFrameTest, ScriptEndsOnItsFrameAndFiresItsCommands) {
    const FrameCase& c = GetParam();
    m_button->SetLatched(c.latched);
    m_button->SetPressActs(c.pressActs);
    QSignalSpy spy(m_button, &CSkinButton::commandFired);
    play(m_button, QString::fromLatin1(c.script));
    EXPECT_EQ(m_button->Frame(), c.frame);
    EXPECT_EQ(spy.count(), c.fired);
    EXPECT_EQ(static_cast<int>(m_target.messages(ui::kWmCommand).size()), c.fired);
}

constexpr bool L = true, P = true, _ = false;
INSTANTIATE_TEST_SUITE_P(
    Scripts, SkinButtonFrameTest,
    ::testing::Values(
        FrameCase{"Resting", _, _, "", 0, 0}, FrameCase{"Hover", _, _, "hover", 3, 0},
        FrameCase{"HoverLeave", _, _, "hover leave", 0, 0},
        FrameCase{"Pressed", _, _, "press", 1, 0},
        FrameCase{"ClickFiresOnRelease", _, _, "press release", 3, 1},
        FrameCase{"DraggedOutWhilePressed", _, _, "press drag-out", 3, 0},
        FrameCase{"DraggedBackIn", _, _, "press drag-out drag-in", 1, 0},
        FrameCase{"ReleasedOutsideDoesNothing", _, _, "press release-out", 0, 0},
        FrameCase{"ReleaseWithoutPress", _, _, "release", 0, 0},
        FrameCase{"RightButtonIgnored", _, _, "right", 0, 0},
        FrameCase{"DoubleClickFiresTwice", _, _, "press release dblclick release", 3, 2},
        FrameCase{"LatchedRestsLatched", L, _, "", 2, 0},
        FrameCase{"LatchedShowsNoHover", L, _, "hover", 2, 0},
        FrameCase{"LatchedPressed", L, _, "press", 1, 0},
        FrameCase{"LatchedClick", L, _, "press release", 2, 1},
        FrameCase{"LatchedReleasedOutside", L, _, "press release-out", 2, 0},
        FrameCase{"PressActsFiresOnPress", _, P, "press", 1, 1},
        FrameCase{"PressActsClickFiresOnce", _, P, "press release", 3, 1},
        FrameCase{"PressActsReleasedOutside", _, P, "press release-out", 0, 1},
        FrameCase{"PressActsDoubleClick", _, P, "press release dblclick release", 3, 2}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(SkinButtonTest, DisabledShowsItsFrameAndIgnoresInput) {
    QSignalSpy spy(m_button, &CSkinButton::commandFired);
    play(m_button, QStringLiteral("press"));
    m_button->setEnabled(false);
    EXPECT_EQ(m_button->Frame(), int(ui::kFrameDisabled));
    play(m_button, QStringLiteral("release press release dblclick hover"));
    m_button->SetLatched(true);
    EXPECT_EQ(m_button->Frame(), int(ui::kFrameDisabled));
    EXPECT_EQ(spy.count(), 0);
    // Enabled again it rests, without the press it had when it was disabled.
    m_button->setEnabled(true);
    EXPECT_EQ(m_button->Frame(), int(ui::kFrameLatched));
    play(m_button, QStringLiteral("release"));
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(SkinButtonTest, PostsCommandOrSystemCommandToTheMainFrame) {
    play(m_button, QStringLiteral("press release"));
    auto* caption = new CSkinButton(m_parent.get());
    caption->SetImage(ui::image::kCloseButton);
    caption->Create(QRect(100, 0, 13, 11), m_parent.get(), 61536, true);
    play(caption, QStringLiteral("press release"));
    const auto messages = m_target.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, ui::kWmCommand);
    EXPECT_EQ(messages[0].wParam, platform::WParam(kCommand));
    EXPECT_EQ(messages[0].lParam, platform::LParam(0));
    EXPECT_FALSE(messages[0].sent);
    EXPECT_EQ(messages[1].message, ui::kWmSysCommand);
    EXPECT_EQ(messages[1].wParam, platform::WParam(61536));
}

TEST_F(SkinButtonTest, InsideADialogTheDialogGetsTheCommand) {
    RecordingDialog dialog;
    auto* placeholder = new QPushButton(QStringLiteral("OK"), &dialog);
    placeholder->setGeometry(10, 10, 100, 30);
    CSkinDialog::SetItemId(placeholder, 1);
    auto* button = new CSkinButton(&dialog);
    ASSERT_TRUE(button->ReplaceDialogItem(1, &dialog, ui::image::kButtonOk));
    play(button, QStringLiteral("press release"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.commands.isEmpty(); }));
    EXPECT_EQ(dialog.commands, QList<int>{1});
    EXPECT_TRUE(m_target.messages().empty());
}

// The button takes the item's place: one frame's size about the item's centre.
TEST_F(SkinButtonTest, ReplaceDialogItemCentresOnTheItem) {
    QWidget dialog;
    auto* item = new QPushButton(&dialog);
    item->setGeometry(10, 10, 100, 30);
    item->setEnabled(false);
    CSkinDialog::SetItemId(item, 1033);
    auto* button = new CSkinButton(&dialog);
    ASSERT_TRUE(button->ReplaceDialogItem(1033, &dialog, ui::image::kButtonBrowse));
    EXPECT_EQ(button->geometry(), QRect(20, 13, 80, 24));
    EXPECT_EQ(button->CommandId(), 1033);
    EXPECT_TRUE(item->isHidden());
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(CSkinDialog::FindItem(&dialog, 1033), button);

    auto* other = new CSkinButton(&dialog);
    EXPECT_FALSE(other->ReplaceDialogItem(4711, &dialog, ui::image::kButtonBrowse));
    CSkinDialog::SetItemId(new QPushButton(&dialog), 7);
    EXPECT_FALSE(other->ReplaceDialogItem(7, &dialog, 4242));
}

TEST_F(SkinButtonTest, SetImageFailureKeepsTheImage) {
    EXPECT_FALSE(m_button->SetImage(4242));
    EXPECT_EQ(m_button->FrameSize(), QSize(80, 24));
}

}  // namespace
