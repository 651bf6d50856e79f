// The mode tabs: selection, what they tell the frame and when each mode command is enabled.
#include <shell/gui/ModeTabBar.h>

#include <shell/CommandIds.h>
#include <ui/SkinButton.h>
#include <ui/SkinContext.h>

#include <testsupport/RecordingTarget.h>

#include <gtest/gtest.h>

namespace {

class ModeTabBarTest : public ::testing::Test {
protected:
    testsupport::RecordingTarget frame;
    int active = 0;
    CModeTabBar bar{nullptr, &frame, [this] { return active; }};

    void expectOnlyPressed(int mode) {
        for (int i = 0; i < CModeTabBar::kModeCount; ++i) {
            EXPECT_EQ(bar.Tab(i)->IsLatched(), i == mode) << "tab " << i;
        }
    }
};

TEST_F(ModeTabBarTest, ModeCommandSelectsTheTabAndPostsSelChanged) {
    ASSERT_TRUE(bar.IsComplete());
    bar.SetSelection(0);
    expectOnlyPressed(0);
    EXPECT_TRUE(bar.onCommand(cmd::kModePoints));
    EXPECT_EQ(bar.Selection(), 2);
    expectOnlyPressed(2);
    const auto posted = frame.messages(ui::kWmCommand);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].wParam, static_cast<platform::WParam>(cmd::kSelChanged));
    EXPECT_FALSE(posted[0].sent) << "posted, so the frame acts after the tab has been drawn";
    EXPECT_FALSE(bar.onCommand(cmd::kTransfer));
}

struct EnabledCase {
    int active;
    bool music, myDb, points;
};

class ModeTabEnabledTest : public ModeTabBarTest, public ::testing::WithParamInterface<EnabledCase> {};

TEST_P(ModeTabEnabledTest, ActiveModeDisablesItsOwnCommandExceptPoints) {
    active = GetParam().active;
    EXPECT_EQ(bar.commandEnabled(cmd::kModeMusic), GetParam().music);
    EXPECT_EQ(bar.commandEnabled(cmd::kModeMyDb), GetParam().myDb);
    EXPECT_EQ(bar.commandEnabled(cmd::kModePoints), GetParam().points);
    EXPECT_EQ(bar.commandEnabled(cmd::kTransfer), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeTabEnabledTest,
                         ::testing::Values(EnabledCase{0, false, true, true},
                                           EnabledCase{1, true, false, true},
                                           EnabledCase{2, true, true, true}));

}  // namespace
