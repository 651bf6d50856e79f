// The shared helpers: the UI font, effect sounds and the zoom effect's geometry and clean-up.
#include "UiTestRegistry.h"
#include "UiTestSupport.h"

#include <ui/EffectSound.h>
#include <ui/SkinIds.h>
#include <ui/UiFont.h>
#include <ui/ZoomOutline.h>
#include <ui/ZoomRectEffect.h>

#include <QFontInfo>
#include <QTest>

#include <memory>

class EffectsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void uiFontSizesAndWeights_data() {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("weight");
        QTest::newRow("caption") << true << 100 << 12 << 600;
        QTest::newRow("dialog text") << false << 90 << 10 << 200;  // 10.8 truncated
        QTest::newRow("large") << false << 150 << 18 << 200;
        QTest::newRow("tiny never vanishes") << true << 5 << 1 << 600;
    }
    void uiFontSizesAndWeights() {
        QFETCH(bool, bold);
        QFETCH(int, percent);
        QFETCH(int, pixels);
        QFETCH(int, weight);
        const QFont font = MakeUiFont(bold, percent);
        QCOMPARE(font.pixelSize(), pixels);
        QCOMPARE(int(font.weight()), weight);
        QVERIFY(font.styleStrategy() & QFont::PreferAntialias);
    }

    // Japanese text needs the CJK face installed with the program's dependencies.
    void uiFontResolvesToTheJapaneseFace() {
        const QFontInfo info(MakeUiFont(false, 100));
        QCOMPARE(info.family(), QString::fromLatin1(ui::kUiFontFamily));
        QVERIFY(QFontMetrics(MakeUiFont(false, 100)).inFont(QChar(0x8EE2)));  // 転
    }

    void effectSoundsFollowTheSoundFlag_data() {
        QTest::addColumn<bool>("sound");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("played");
        QTest::newRow("off") << false << int(ui::sound::kClick) << false;
        QTest::newRow("click") << true << int(ui::sound::kClick) << true;
        QTest::newRow("dialog close") << true << int(ui::sound::kDialogClose) << true;
        QTest::newRow("mode change") << true << int(ui::sound::kModeChange) << true;
        QTest::newRow("dialog open") << true << int(ui::sound::kDialogOpen) << true;
        QTest::newRow("missing") << true << 4242 << false;
    }
    void effectSoundsFollowTheSoundFlag() {
        QFETCH(bool, sound);
        QFETCH(int, id);
        QFETCH(bool, played);
        ui::FixedEffectSettings flags;
        flags.sound = sound;
        ScopedSettings scoped(flags);
        QCOMPARE(PlayEffectSound(id), played);
    }

    void zoomFramesMoveInTenthsTruncatingTowardZero_data() {
        QTest::addColumn<QRect>("from");
        QTest::addColumn<QRect>("to");
        QTest::addColumn<int>("step");
        QTest::addColumn<QRect>("frame");
        const QRect point(100, 100, 0, 0);
        const QRect dialog(0, 0, 200, 100);
        QTest::newRow("first frame is the start") << point << dialog << 0 << point;
        QTest::newRow("halfway") << point << dialog << 5 << QRect(50, 50, 100, 50);
        QTest::newRow("last frame stops short") << point << dialog << 9 << QRect(10, 10, 180, 90);
        // Edges 10 -> 0 and 10 -> 3 at 3/10: 10 - 3 = 7 and 10 - 2.1 -> 8.
        QTest::newRow("negative moves truncate") << QRect(10, 10, 0, 0) << QRect(0, 0, 3, 3) << 3
                                                 << QRect(7, 7, 1, 1);
    }
    void zoomFramesMoveInTenthsTruncatingTowardZero() {
        QFETCH(QRect, from);
        QFETCH(QRect, to);
        QFETCH(int, step);
        QFETCH(QRect, frame);
        QCOMPARE(ui::ZoomFrameRect(from, to, step), frame);
    }

    void clampKeepsEdgesInsideTheFrame() {
        const QRect frame(100, 100, 400, 300);
        QCOMPARE(ui::ClampRect(QRect(50, 150, 100, 500), frame), QRect(100, 150, 50, 250));
        QCOMPARE(ui::ClampRect(QRect(10, 10, 0, 0), frame), QRect(100, 100, 0, 0));
        QCOMPARE(ui::ClampRect(QRect(200, 200, 10, 10), frame), QRect(200, 200, 10, 10));
    }

    // The effect draws on the main frame and leaves nothing behind.
    void zoomEffectCleansUpAfterItself() {
        QWidget frame;
        frame.resize(400, 300);
        frame.show();
        ui::SkinContext::SetMainFrame(&frame, nullptr);
        ZoomRectEffect(QRect(frame.mapToGlobal(QPoint(10, 10)), QSize()),
                       QRect(frame.mapToGlobal(QPoint(50, 50)), QSize(200, 100)), 0);
        QVERIFY(frame.findChildren<ui::ZoomOutline*>().isEmpty());

        ui::StartZoomRectEffect(QRect(frame.mapToGlobal(QPoint(10, 10)), QSize()),
                                QRect(frame.mapToGlobal(QPoint(50, 50)), QSize(200, 100)), 1);
        QTRY_VERIFY(!frame.findChildren<ui::ZoomOutline*>().isEmpty());
        QTRY_VERIFY(frame.findChildren<ui::ZoomOutline*>().isEmpty());
        ui::SkinContext::SetMainFrame(nullptr, nullptr);
    }

    void asyncZoomSurvivesItsFrameClosing() {
        auto frame = std::make_unique<QWidget>();
        frame->resize(300, 200);
        frame->show();
        ui::SkinContext::SetMainFrame(frame.get(), nullptr);
        ui::StartZoomRectEffect(QRect(0, 0, 0, 0), QRect(10, 10, 100, 100), 5);
        ui::SkinContext::SetMainFrame(nullptr, nullptr);
        frame.reset();
        QTest::qWait(120);  // the effect's remaining steps run against a deleted frame
    }
};

HARBROOK_UI_TEST(EffectsTest);
#include "EffectsTest.moc"
