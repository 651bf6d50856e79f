#include <shell/gui/ViewFade.h>

#include <gtest/gtest.h>

#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace {
QPixmap snapshot() {
    QPixmap p(10, 10);
    p.fill(Qt::gray);
    return p;
}
}  // namespace

TEST(ViewFade, LowersAlphaPerFull25MsAtMostThreeStepsATick) {
    QWidget parent;
    auto* fade = new ViewFade(snapshot(), &parent);
    fade->Tick(25);
    EXPECT_EQ(fade->Alpha(), 255 - 32);
    fade->Tick(200);  // a late tick makes at most three steps
    EXPECT_EQ(fade->Alpha(), 255 - 4 * 32);
}

TEST(ViewFade, EarlyTimerTicksStillFinishTheFade) {
    QWidget parent;
    QPointer<ViewFade> fade = new ViewFade(snapshot(), &parent);
    // A timer that always fires a millisecond early must not stall the fade.
    for (int i = 0; i < 20 && fade && fade->Alpha() >= 0; ++i) fade->Tick(24);
    ASSERT_TRUE(fade);
    EXPECT_LT(fade->Alpha(), 0);
    EXPECT_TRUE(fade->isHidden());
}
