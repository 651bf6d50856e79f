// The shared helpers: the UI font, effect sounds and the zoom effect's geometry and clean-up.
#include "UiTestSupport.h"

#include <ui/EffectSound.h>
#include <ui/SkinContext.h>
#include <ui/SkinIds.h>
#include <ui/UiFont.h>
#include <ui/ZoomOutline.h>
#include <ui/ZoomRectEffect.h>

#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(EffectsTest, UiFontSizesAndWeights) {
    const struct {
        const char* name;
        bool bold;
        int percent, pixels, weight;
    } cases[] = {{"caption", true, 100, 12, 600},
                 {"dialog text", false, 90, 10, 200},  // 10.8 truncated
                 {"large", false, 150, 18, 200},
                 {"tiny never vanishes", true, 5, 1, 600}};
    for (const auto& c : cases) {
        const QFont font = MakeUiFont(c.bold, c.percent);
        EXPECT_EQ(font.pixelSize(), c.pixels) << c.name;
        EXPECT_EQ(int(font.weight()), c.weight) << c.name;
        EXPECT_TRUE(font.styleStrategy() & QFont::PreferAntialias) << c.name;
    }
}

// Japanese text needs the CJK face installed with the program's dependencies.
TEST(EffectsTest, UiFontResolvesToTheJapaneseFace) {
    const QFontInfo info(MakeUiFont(false, 100));
    EXPECT_EQ(info.family(), QString::fromLatin1(ui::kUiFontFamily));
    EXPECT_TRUE(QFontMetrics(MakeUiFont(false, 100)).inFont(QChar(0x8EE2)));  // 転
}

TEST(EffectsTest, EffectSoundsFollowTheSoundFlag) {
    const struct {
        const char* name;
        bool sound;
        int id;
        bool played;
    } cases[] = {{"off", false, ui::sound::kClick, false},
                 {"click", true, ui::sound::kClick, true},
                 {"dialog close", true, ui::sound::kDialogClose, true},
                 {"mode change", true, ui::sound::kModeChange, true},
                 {"dialog open", true, ui::sound::kDialogOpen, true},
                 {"missing", true, 4242, false}};
    QStringList played;
    SetEffectSoundOutput([&played](const QString& path) { played << path; });
    for (const auto& c : cases) {
        ui::FixedEffectSettings flags;
        flags.sound = c.sound;
        ScopedSettings scoped(flags);
        played.clear();
        EXPECT_EQ(PlayEffectSound(c.id), c.played) << c.name;
        const QStringList expected =
            c.played ? QStringList{ui::SkinContext::ResourcePath("wave", c.id)} : QStringList{};
        EXPECT_EQ(played, expected) << c.name;
    }
    SetEffectSoundOutput({});
}

TEST(EffectsTest, ZoomFramesMoveInTenthsTruncatingTowardZero) {
    const QRect point(100, 100, 0, 0);
    const QRect dialog(0, 0, 200, 100);
    EXPECT_EQ(ui::ZoomFrameRect(point, dialog, 0), point) << "the first frame is the start";
    EXPECT_EQ(ui::ZoomFrameRect(point, dialog, 5), QRect(50, 50, 100, 50));
    EXPECT_EQ(ui::ZoomFrameRect(point, dialog, 9), QRect(10, 10, 180, 90))
        << "the last frame stops short";
    // Edges 10 -> 0 and 10 -> 3 at 3/10: 10 - 3 = 7 and 10 - 2.1 -> 8.
    EXPECT_EQ(ui::ZoomFrameRect(QRect(10, 10, 0, 0), QRect(0, 0, 3, 3), 3), QRect(7, 7, 1, 1));
}

TEST(EffectsTest, ClampKeepsEdgesInsideTheFrame) {
    const QRect frame(100, 100, 400, 300);
    EXPECT_EQ(ui::ClampRect(QRect(50, 150, 100, 500), frame), QRect(100, 150, 50, 250));
    EXPECT_EQ(ui::ClampRect(QRect(10, 10, 0, 0), frame), QRect(100, 100, 0, 0));
    EXPECT_EQ(ui::ClampRect(QRect(200, 200, 10, 10), frame), QRect(200, 200, 10, 10));
}

// The effect draws on the main frame and leaves nothing behind.
TEST(EffectsTest, ZoomEffectCleansUpAfterItself) {
    QWidget frame;
    frame.resize(400, 300);
    frame.show();
    ui::SkinContext::SetMainFrame(&frame, nullptr);
    ZoomRectEffect(QRect(frame.mapToGlobal(QPoint(10, 10)), QSize()),
                   QRect(frame.mapToGlobal(QPoint(50, 50)), QSize(200, 100)), 0);
    EXPECT_TRUE(frame.findChildren<ui::ZoomOutline*>().isEmpty());

    ui::StartZoomRectEffect(QRect(frame.mapToGlobal(QPoint(10, 10)), QSize()),
                            QRect(frame.mapToGlobal(QPoint(50, 50)), QSize(200, 100)), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.findChildren<ui::ZoomOutline*>().isEmpty(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.findChildren<ui::ZoomOutline*>().isEmpty(); }));
    ui::SkinContext::SetMainFrame(nullptr, nullptr);
}

TEST(EffectsTest, AsyncZoomSurvivesItsFrameClosing) {
    auto frame = std::make_unique<QWidget>();
    frame->resize(300, 200);
    frame->show();
    ui::SkinContext::SetMainFrame(frame.get(), nullptr);
    ui::StartZoomRectEffect(QRect(0, 0, 0, 0), QRect(10, 10, 100, 100), 5);
    ui::SkinContext::SetMainFrame(nullptr, nullptr);
    frame.reset();
    QTest::qWait(120);  // the effect's remaining steps run against a deleted frame
}

}  // namespace
