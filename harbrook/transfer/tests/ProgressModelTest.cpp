// The progress window's arithmetic: ranges from item counts, sub-progress within an item, the
// forward-only sub-progress, totals, the counter and the percentage rule.
#include <transfer/ProgressModel.h>

#include <gtest/gtest.h>

namespace {

TEST(ProgressModelTest, ItemsAndSubProgressPlaceTheBar) {
    ProgressModel m;
    m.Handle(ProgressModel::kMsgItems, 4, 0);
    EXPECT_EQ(m.Maximum(), 40);
    EXPECT_TRUE(m.ResetCancelRequested());
    EXPECT_FALSE(m.ResetCancelRequested());
    m.Handle(ProgressModel::kMsgItem, 2, 0);
    EXPECT_EQ(m.Position(), 20);
    m.Handle(ProgressModel::kMsgSubProgress, 0, 57);
    EXPECT_EQ(m.Position(), 25);
    m.Handle(ProgressModel::kMsgSubProgress, 0, 10);  // the plain message may move back
    EXPECT_EQ(m.Position(), 21);
}

TEST(ProgressModelTest, ForwardSubProgressNeverMovesBackWithinAnItem) {
    ProgressModel m;
    m.Handle(ProgressModel::kMsgItems, 2, 0);
    m.Handle(ProgressModel::kMsgSubForward, 0, 60);
    m.Handle(ProgressModel::kMsgSubForward, 0, 30);
    EXPECT_EQ(m.Position(), 6);
    m.Handle(ProgressModel::kMsgSubForward, 0, 90);
    EXPECT_EQ(m.Position(), 9);
    m.Handle(ProgressModel::kMsgItem, 1, 0);  // a new item starts from 0 again
    m.Handle(ProgressModel::kMsgSubForward, 0, 20);
    EXPECT_EQ(m.Position(), 12);
}

TEST(ProgressModelTest, TotalsScaleToAHundredAndZeroTotalSetsThePosition) {
    ProgressModel m;
    m.SetRange(0, 40);
    m.Handle(ProgressModel::kMsgTotalDone, 3000000, 1500000);
    EXPECT_EQ(m.Maximum(), 100);
    EXPECT_EQ(m.Position(), 50);
    m.Handle(ProgressModel::kMsgTotalDone, 0, 7);
    EXPECT_EQ(m.Position(), 7);
}

TEST(ProgressModelTest, HundredPercentOnlyAtTheTop) {
    ProgressModel m;
    m.SetRange(0, 1000);
    m.SetPos(999);
    EXPECT_EQ(m.Percent(), 99);
    m.SetPos(1000);
    EXPECT_EQ(m.PercentText(), "100 %");
    m.SetRange(10, 20);
    m.SetPos(25);  // past the top wraps below 100
    EXPECT_EQ(m.Percent(), 50);
    m.SetRange(5, 5);
    EXPECT_EQ(m.Percent(), 0);
}

TEST(ProgressModelTest, CounterShowsOnlyWhenEnabled) {
    ProgressModel m;
    m.Reset(false);
    m.Handle(ProgressModel::kMsgCounter, 12, 3);
    EXPECT_EQ(m.CounterText(), "");
    m.Reset(true);
    m.Handle(ProgressModel::kMsgCounter, 12, 3);
    EXPECT_EQ(m.CounterText(), "3 / 12");
    EXPECT_FALSE(m.Handle(0x540, 0, 0));
}

}  // namespace
