// CSkinImage: the skin's images by number, the bitmap-first lookup, picture files and drawing.
#include "UiTestRegistry.h"
#include "UiTestSupport.h"

#include <ui/SkinIds.h>
#include <ui/SkinImage.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeImage(const QString& path, const QImage& image, const char* format) {
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(image.save(path, format));
}

QImage solid(int w, int h, QColor colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(w, h, format);
    image.fill(colour);
    return image;
}

}  // namespace

class SkinImageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every number the header documents loads with its documented size.
    void loadsEveryDocumentedImage_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QSize>("size");
        using namespace ui::image;
        const struct { int number; int w; int h; } images[] = {
            {kCaptionTitle, 96, 16}, {kCaptionIcon, 16, 16}, {kCloseButton, 13, 55},
            {kMaximiseButton, 13, 55}, {kMinimiseButton, 13, 55}, {kRestoreButton, 13, 55},
            {kMenuBarBackground, 8, 16}, {kMenuFile, 43, 80}, {kMenuEdit, 43, 80},
            {kMenuView, 43, 80}, {kMenuHelp, 43, 80}, {kUsbIndicator, 48, 80},
            {kTabBarTop, 8, 6}, {kTabBarBody, 8, 28}, {kTabBarRight, 160, 28},
            {kTabMusic, 162, 110}, {kTabMyDb, 162, 110}, {kTabPoints, 162, 110},
            {kTransferBarLeft, 180, 37}, {kTransferBarBody, 8, 37}, {kTransferBarRight, 270, 37},
            {kTransferUsb, 140, 105}, {kTransferMedia, 140, 105}, {kTransferAnimation, 56, 160},
            {kHScrollThumb, 30, 14}, {kHScrollTrack, 8, 14}, {kScrollLeft, 14, 14},
            {kScrollRight, 14, 14}, {kVScrollTrack, 14, 8}, {kScrollDown, 14, 14},
            {kVScrollThumb, 14, 30}, {kScrollUp, 14, 14}, {kScrollCorner, 14, 14},
            {kPointHeaderLeft, 16, 37}, {kPointHeaderBody, 8, 37}, {kPointHeaderRight, 140, 37},
            {kPointOpen, 140, 105}, {kPointNew, 140, 105}, {kPointShowMap, 70, 105},
            {kPointImportMap, 70, 105}, {kOrvanePicture, 104, 21}, {kPointStateIcons, 132, 13},
            {kDialogBackground, 64, 256}, {kDialogCaptionLeft, 160, 22},
            {kDialogCaptionRight, 160, 22}, {kButtonStop, 80, 120}, {kButtonBrowse, 80, 120},
            {kButtonCancel, 80, 120}, {kButtonRemove, 80, 120}, {kButtonOk, 80, 120},
            {kButtonNo, 80, 120}, {kButtonYes, 80, 120}, {kChoiceLatLon, 140, 320},
            {kChoiceMapService, 140, 320}, {kSplash, 500, 147},
        };
        for (const auto& image : images) {
            QTest::addRow("%d", image.number) << image.number << QSize(image.w, image.h);
        }
    }
    void loadsEveryDocumentedImage() {
        QFETCH(int, number);
        QFETCH(QSize, size);
        CSkinImage image;
        QVERIFY(image.Load(number));
        QCOMPARE(image.Image().size(), size);
        QCOMPARE(image.Image().format(), QImage::Format_RGB888);
        QCOMPARE(image.Stride() % 4, 0);
        QVERIFY(image.Stride() >= image.Width() * 3 && image.Stride() < image.Width() * 3 + 4);
    }

    void unknownNumberFailsAndKeepsTheImage() {
        CSkinImage image;
        QVERIFY(image.Load(ui::image::kCaptionIcon));
        QVERIFY(!image.Load(4242));
        QCOMPARE(image.Width(), 16);
    }

    // The bitmap of a number is tried first; one of fewer than 24 bits ends the lookup.
    void bitmapFirstAndOnlyAt24Bits() {
        QTemporaryDir root;
        ScopedResourceRoot scoped(root.path());
        writeImage(root.filePath(QStringLiteral("bitmap/900")),
                   solid(4, 4, Qt::red).convertToFormat(QImage::Format_Indexed8), "BMP");
        writeImage(root.filePath(QStringLiteral("image/900")), solid(7, 7, Qt::blue), "PNG");
        writeImage(root.filePath(QStringLiteral("bitmap/901")),
                   solid(5, 3, Qt::green, QImage::Format_RGB888), "BMP");
        writeImage(root.filePath(QStringLiteral("image/901")), solid(9, 9, Qt::blue), "PNG");
        writeImage(root.filePath(QStringLiteral("image/902")), solid(6, 2, Qt::blue), "PNG");

        QFile bmp(root.filePath(QStringLiteral("bitmap/901")));
        QVERIFY(bmp.open(QIODevice::ReadOnly));
        QCOMPARE(CSkinImage::BmpBitCount(bmp.readAll()), 24);

        CSkinImage image;
        QVERIFY(!image.Load(900));
        QVERIFY(image.IsEmpty());
        QVERIFY(image.Load(901));
        QCOMPARE(image.Image().size(), QSize(5, 3));
        QCOMPARE(image.Image().pixelColor(0, 0), QColor(Qt::green));
        QVERIFY(image.Load(902));
        QCOMPARE(image.Image().size(), QSize(6, 2));
    }

    void bmpBitCountRejectsWhatIsNotABitmap() {
        QCOMPARE(CSkinImage::BmpBitCount(QByteArray()), 0);
        QCOMPARE(CSkinImage::BmpBitCount(QByteArray(40, 'x')), 0);
        QCOMPARE(CSkinImage::BmpBitCount(QByteArray("BM") + QByteArray(20, '\0')), 0);
    }

    void createMakesABlackImageOfThatSize_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("stride");
        QTest::newRow("row padded") << 5 << 2 << true << 16;
        QTest::newRow("row exact") << 4 << 1 << true << 12;
        QTest::newRow("zero width") << 0 << 5 << false << 0;
        QTest::newRow("negative") << 3 << -1 << false << 0;
    }
    void createMakesABlackImageOfThatSize() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, ok);
        QFETCH(int, stride);
        CSkinImage image;
        QCOMPARE(image.Create(width, height), ok);
        QCOMPARE(image.Stride(), stride);
        if (ok) QCOMPARE(image.Image().pixelColor(width - 1, height - 1), QColor(Qt::black));
    }

    void fitSizeKeepsTheAspectRatio_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("bound");
        QTest::addColumn<QSize>("fitted");
        QTest::newRow("fits: never enlarged") << QSize(64, 51) << QSize(128, 102) << QSize(64, 51);
        QTest::newRow("same ratio") << QSize(256, 204) << QSize(128, 102) << QSize(128, 102);
        QTest::newRow("wider") << QSize(200, 100) << QSize(128, 102) << QSize(128, 64);
        QTest::newRow("taller") << QSize(100, 200) << QSize(128, 102) << QSize(51, 102);
        QTest::newRow("truncates") << QSize(300, 7) << QSize(128, 102) << QSize(128, 2);
        QTest::newRow("negative bound keeps own") << QSize(300, 50) << QSize(-1, 20) << QSize(120, 20);
    }
    void fitSizeKeepsTheAspectRatio() {
        QFETCH(QSize, picture);
        QFETCH(QSize, bound);
        QFETCH(QSize, fitted);
        QCOMPARE(CSkinImage::FitSize(picture, bound), fitted);
    }

    void loadFileScalesAndRefusesWhatItCannotRead() {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("wide.png"));
        writeImage(picture, solid(300, 150, QColor(10, 200, 30)), "PNG");
        const QString garbage = dir.filePath(QStringLiteral("broken.jpg"));
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xFF\xD8\xFF not really a JPEG");
        file.close();

        CSkinImage image;
        QVERIFY(image.LoadFile(picture, 128, 102));
        QCOMPARE(image.Image().size(), QSize(128, 64));
        QCOMPARE(image.Image().pixelColor(64, 32), QColor(10, 200, 30));
        QVERIFY(!image.LoadFile(garbage, 128, 102));
        QVERIFY(!image.LoadFile(dir.filePath(QStringLiteral("missing.png")), 128, 102));
        QCOMPARE(image.Image().size(), QSize(128, 64));
    }

    // A negative source size copies without stretching; otherwise the source is stretched.
    void drawCopiesOrStretches() {
        CSkinImage image;
        QVERIFY(image.Create(2, 1));
        uchar* bits = image.Bits();
        bits[0] = 255, bits[1] = 0, bits[2] = 0;  // red
        bits[3] = 0, bits[4] = 0, bits[5] = 255;  // blue

        QImage canvas = solid(4, 2, Qt::white);
        {
            QPainter painter(&canvas);
            image.Draw(painter, 0, 0, 4, 2, 0, 0, 2, 1);
        }
        QCOMPARE(canvas.pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(canvas.pixelColor(2, 0), QColor(Qt::blue));

        canvas.fill(Qt::white);
        {
            QPainter painter(&canvas);
            image.Draw(painter, 3, 1, 1, 1, 1, 0, -1, -1);  // one pixel from x 1
            image.Draw(painter, 0, 0);                       // own size
        }
        QCOMPARE(canvas.pixelColor(3, 1), QColor(Qt::blue));
        QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(canvas.pixelColor(1, 0), QColor(Qt::blue));
        QCOMPARE(canvas.pixelColor(2, 0), QColor(Qt::white));
    }

    void drawFrameCopiesOneFrameOfAStrip() {
        CSkinImage strip;
        QVERIFY(strip.Create(1, 3));
        uchar* bits = strip.Bits();
        bits[strip.Stride() * 1 + 1] = 255;  // frame 1 green
        bits[strip.Stride() * 2 + 2] = 255;  // frame 2 blue
        QImage canvas = solid(2, 1, Qt::white);
        {
            QPainter painter(&canvas);
            strip.DrawFrame(painter, 0, 0, 2, 3);
            strip.DrawFrame(painter, 1, 0, 1, 3);
            strip.DrawFrame(painter, 1, 0, 3, 3);  // out of range: nothing
        }
        QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(canvas.pixelColor(1, 0), QColor(Qt::green));
    }
};

HARBROOK_UI_TEST(SkinImageTest);
#include "SkinImageTest.moc"
