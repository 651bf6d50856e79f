// CSkinScrollBar: thumb arithmetic, held-button repetition, dragging and the wheel.
#include "UiTestSupport.h"

#include <ui/SkinScrollBar.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

constexpr CSkinScrollBar::Metrics kBar{200, 14, 30};  // 142 pixels of travel

// A vertical bar 200 pixels long over positions 0..100, 10 per page.
class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar.setRange(0, 100);
        bar.setPageStep(10);
        bar.resize(14, 200);
        bar.show();
    }
    // The codes notified so far.
    QList<int> codes() const {
        QList<int> result;
        for (const QList<QVariant>& call : spy) result.append(call.at(0).toInt());
        return result;
    }

    CSkinScrollBar bar{Qt::Vertical};
    QSignalSpy spy{&bar, &CSkinScrollBar::notified};
};

}  // namespace

TEST(ScrollBarArithmetic, ThumbAndPositionAtBothEndsAndForAnEmptyRange) {
    EXPECT_EQ(CSkinScrollBar::ThumbPixelFor(0, 0, 100, kBar), 14);
    EXPECT_EQ(CSkinScrollBar::ThumbPixelFor(100, 0, 100, kBar), 156);  // 200 − 14 − 30
    EXPECT_EQ(CSkinScrollBar::ThumbPixelFor(50, 0, 100, kBar), 14 + 71);
    EXPECT_EQ(CSkinScrollBar::ThumbPixelFor(7, 7, 7, kBar), 14);
    EXPECT_EQ(CSkinScrollBar::ThumbPixelFor(500, 0, 100, kBar), 156);  // kept between the arrows

    EXPECT_EQ(CSkinScrollBar::PositionFor(14, 0, 100, kBar), 0);
    EXPECT_EQ(CSkinScrollBar::PositionFor(156, 0, 100, kBar), 100);
    EXPECT_EQ(CSkinScrollBar::PositionFor(0, 0, 100, kBar), 0);
    EXPECT_EQ(CSkinScrollBar::PositionFor(199, 0, 100, kBar), 100);
    // A bar too short for its thumb has no travel: every pixel is the minimum.
    EXPECT_EQ(CSkinScrollBar::PositionFor(20, 3, 9, {50, 14, 30}), 3);
    EXPECT_EQ(CSkinScrollBar::ThumbPixelFor(9, 3, 9, {50, 14, 30}), 14);
}

TEST_F(ScrollBarTest, HeldArrowRepeatsOnlyAfterTheRepeatDelay) {
    CSkinScrollBar::SetKeyboardRepeat(0, 31);  // 250 ms, then 50 ms
    const QPoint downArrow(7, 195);
    QElapsedTimer clock;
    clock.start();
    sendMouse(&bar, QEvent::MouseButtonPress, downArrow, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(codes(), QList<int>{CSkinScrollBar::kLineForward});
    EXPECT_EQ(bar.value(), 1);

    QTest::qWait(150);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return spy.count() >= 3; }, 3000));
    EXPECT_GE(clock.elapsed(), 250 + 50);

    sendMouse(&bar, QEvent::MouseButtonRelease, downArrow, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(codes().last(), CSkinScrollBar::kEndScroll);
    const int after = bar.value();
    QTest::qWait(100);
    EXPECT_EQ(bar.value(), after);
    CSkinScrollBar::SetKeyboardRepeat(1, 31);
}

TEST_F(ScrollBarTest, TrackClicksPageAndTheThumbDragsToTheEnd) {
    sendMouse(&bar, QEvent::MouseButtonPress, QPoint(7, 120), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&bar, QEvent::MouseButtonRelease, QPoint(7, 120), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(codes(), (QList<int>{CSkinScrollBar::kPageForward, CSkinScrollBar::kEndScroll}));
    EXPECT_EQ(bar.value(), 10);
    spy.clear();

    const int thumbCentre = bar.ThumbPixel() + 15;
    sendMouse(&bar, QEvent::MouseButtonPress, QPoint(7, thumbCentre), Qt::LeftButton,
              Qt::LeftButton);
    sendMouse(&bar, QEvent::MouseMove, QPoint(7, 400), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(bar.value(), 100);
    EXPECT_EQ(bar.ThumbPixel(), 156);
    sendMouse(&bar, QEvent::MouseButtonRelease, QPoint(7, 400), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(codes(), (QList<int>{CSkinScrollBar::kThumbTrack, CSkinScrollBar::kThumbTrack,
                                   CSkinScrollBar::kThumbPosition, CSkinScrollBar::kEndScroll}));
    EXPECT_EQ(spy.last().at(1).toInt(), 100);
}

TEST_F(ScrollBarTest, WheelMovesOneLinePerNotch) {
    bar.setValue(50);
    const auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(7, 100), QPointF(7, 100), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&bar, &event);
    };
    wheel(-240);
    EXPECT_EQ(bar.value(), 52);
    wheel(60);  // half a notch waits for the other half
    EXPECT_EQ(bar.value(), 52);
    wheel(60);
    EXPECT_EQ(bar.value(), 51);
}
