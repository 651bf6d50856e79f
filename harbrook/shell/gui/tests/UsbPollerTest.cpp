// The USB watch: when a connection change fetches or clears the unit's points, and when it waits.
#include <shell/gui/UsbPoller.h>

#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

class UsbPollerTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.m_UsbState = 0;
        app.m_UsbChanged = 0;
        app.m_FetchPending = 0;
    }
    void TearDown() override { SetUp(); }

    CAppData& app = theAppData();
    int status = 0;
    bool canFetch = true;
    std::vector<bool> shown;
    std::vector<int> sent;

    CUsbPoller poller{app, CUsbPoller::Hooks{
                               [this] { return status; },
                               [this] { return canFetch; },
                               [this](bool connected) { shown.push_back(connected); },
                               [this](int command) { sent.push_back(command); },
                           }};

};

TEST_F(UsbPollerTest, ConnectingAndDisconnectingFetchAndClearAtOnce) {
    poller.Tick();
    EXPECT_TRUE(sent.empty()) << "no change, nothing to do";
    status = 1;
    poller.Tick();
    poller.Tick();
    status = 0;
    poller.Tick();
    EXPECT_EQ(sent, (std::vector<int>{cmd::kFetch, cmd::kClearNavi}));
    EXPECT_EQ(shown, (std::vector<bool>{true, false}));
    EXPECT_EQ(app.m_FetchPending, 0);
    EXPECT_EQ(app.m_UsbChanged, 0);
}

TEST_F(UsbPollerTest, ChangeWaitsUntilTheFrameCanActAndUsesTheStateThen) {
    canFetch = false;
    status = 1;
    poller.Tick();
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(app.m_FetchPending, 1);
    EXPECT_EQ(shown, std::vector<bool>{true}) << "the transfer button follows at once";
    status = 0;  // unplugged again before the frame could act
    poller.Tick();
    canFetch = true;
    poller.Tick();
    EXPECT_EQ(sent, std::vector<int>{cmd::kClearNavi});
    EXPECT_EQ(app.m_FetchPending, 0);
    poller.Tick();
    EXPECT_EQ(sent.size(), 1u) << "acted on once";
}

TEST_F(UsbPollerTest, AnyNonZeroStatusCountsAsConnected) {
    status = 7;
    poller.Tick();
    status = 1;
    poller.Tick();
    EXPECT_EQ(sent, std::vector<int>{cmd::kFetch});
    EXPECT_EQ(app.m_UsbState, 1);
}

}  // namespace
