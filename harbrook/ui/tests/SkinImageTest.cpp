// CSkinImage: the skin's images by number, the bitmap-first lookup, picture files and drawing.
#include "UiTestSupport.h"

#include <ui/SkinIds.h>
#include <ui/SkinImage.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeImage(const QString& path, const QImage& image, const char* format) {
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

QImage solid(int w, int h, QColor colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(w, h, format);
    image.fill(colour);
    return image;
}

struct DocumentedImage {
    int number;
    int w;
    int h;
};

class DocumentedImageTest : public ::testing::TestWithParam<DocumentedImage> {};

// Every number the header documents loads with its documented size.
TEST_P(DocumentedImageTest, LoadsWithItsDocumentedSize) {
    CSkinImage image;
    ASSERT_TRUE(image.Load(GetParam().number));
    EXPECT_EQ(image.Image().size(), QSize(GetParam().w, GetParam().h));
    EXPECT_EQ(image.Image().format(), QImage::Format_RGB888);
    EXPECT_EQ(image.Stride() % 4, 0);
    EXPECT_GE(image.Stride(), image.Width() * 3);
    EXPECT_LT(image.Stride(), image.Width() * 3 + 4);
}

using namespace ui::image;
INSTANTIATE_TEST_SUITE_P(
    Skin, DocumentedImageTest,
    ::testing::Values(
        DocumentedImage{kCaptionTitle, 96, 16}, DocumentedImage{kCaptionIcon, 16, 16},
        DocumentedImage{kCloseButton, 13, 55}, DocumentedImage{kMaximiseButton, 13, 55},
        DocumentedImage{kMinimiseButton, 13, 55}, DocumentedImage{kRestoreButton, 13, 55},
        DocumentedImage{kMenuBarBackground, 8, 16}, DocumentedImage{kMenuFile, 43, 80},
        DocumentedImage{kMenuEdit, 43, 80}, DocumentedImage{kMenuView, 43, 80},
        DocumentedImage{kMenuHelp, 43, 80}, DocumentedImage{kUsbIndicator, 48, 80},
        DocumentedImage{kTabBarTop, 8, 6}, DocumentedImage{kTabBarBody, 8, 28},
        DocumentedImage{kTabBarRight, 160, 28}, DocumentedImage{kTabMusic, 162, 110},
        DocumentedImage{kTabMyDb, 162, 110}, DocumentedImage{kTabPoints, 162, 110},
        DocumentedImage{kTransferBarLeft, 180, 37}, DocumentedImage{kTransferBarBody, 8, 37},
        DocumentedImage{kTransferBarRight, 270, 37}, DocumentedImage{kTransferUsb, 140, 105},
        DocumentedImage{kTransferMedia, 140, 105}, DocumentedImage{kTransferAnimation, 56, 160},
        DocumentedImage{kHScrollThumb, 30, 14}, DocumentedImage{kHScrollTrack, 8, 14},
        DocumentedImage{kScrollLeft, 14, 14}, DocumentedImage{kScrollRight, 14, 14},
        DocumentedImage{kVScrollTrack, 14, 8}, DocumentedImage{kScrollDown, 14, 14},
        DocumentedImage{kVScrollThumb, 14, 30}, DocumentedImage{kScrollUp, 14, 14},
        DocumentedImage{kScrollCorner, 14, 14}, DocumentedImage{kPointHeaderLeft, 16, 37},
        DocumentedImage{kPointHeaderBody, 8, 37}, DocumentedImage{kPointHeaderRight, 140, 37},
        DocumentedImage{kPointOpen, 140, 105}, DocumentedImage{kPointNew, 140, 105},
        DocumentedImage{kPointShowMap, 70, 105}, DocumentedImage{kPointImportMap, 70, 105},
        DocumentedImage{kOrvanePicture, 104, 21}, DocumentedImage{kPointStateIcons, 132, 13},
        DocumentedImage{kDialogBackground, 64, 256}, DocumentedImage{kDialogCaptionLeft, 160, 22},
        DocumentedImage{kDialogCaptionRight, 160, 22}, DocumentedImage{kButtonStop, 80, 120},
        DocumentedImage{kButtonBrowse, 80, 120}, DocumentedImage{kButtonCancel, 80, 120},
        DocumentedImage{kButtonRemove, 80, 120}, DocumentedImage{kButtonOk, 80, 120},
        DocumentedImage{kButtonNo, 80, 120}, DocumentedImage{kButtonYes, 80, 120},
        DocumentedImage{kChoiceLatLon, 140, 320}, DocumentedImage{kChoiceMapService, 140, 320},
        DocumentedImage{kSplash, 500, 147}),
    [](const auto& p) { return std::to_string(p.param.number); });

TEST(SkinImageTest, UnknownNumberFailsAndKeepsTheImage) {
    CSkinImage image;
    ASSERT_TRUE(image.Load(ui::image::kCaptionIcon));
    EXPECT_FALSE(image.Load(4242));
    EXPECT_EQ(image.Width(), 16);
}

// The bitmap of a number is tried first; one of fewer than 24 bits ends the lookup.
TEST(SkinImageTest, BitmapFirstAndOnlyAt24Bits) {
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
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    EXPECT_EQ(CSkinImage::BmpBitCount(bmp.readAll()), 24);

    CSkinImage image;
    EXPECT_FALSE(image.Load(900));
    EXPECT_TRUE(image.IsEmpty());
    ASSERT_TRUE(image.Load(901));
    EXPECT_EQ(image.Image().size(), QSize(5, 3));
    EXPECT_EQ(image.Image().pixelColor(0, 0), QColor(Qt::green));
    ASSERT_TRUE(image.Load(902));
    EXPECT_EQ(image.Image().size(), QSize(6, 2));
}

TEST(SkinImageTest, BmpBitCountRejectsWhatIsNotABitmap) {
    EXPECT_EQ(CSkinImage::BmpBitCount(QByteArray()), 0);
    EXPECT_EQ(CSkinImage::BmpBitCount(QByteArray(40, 'x')), 0);
    EXPECT_EQ(CSkinImage::BmpBitCount(QByteArray("BM") + QByteArray(20, '\0')), 0);
}

TEST(SkinImageTest, CreateMakesABlackImageOfThatSize) {
    const struct {
        int width, height;
        bool ok;
        int stride;
    } cases[] = {{5, 2, true, 16}, {4, 1, true, 12}, {0, 5, false, 0}, {3, -1, false, 0}};
    for (const auto& c : cases) {
        CSkinImage image;
        EXPECT_EQ(image.Create(c.width, c.height), c.ok) << c.width << 'x' << c.height;
        EXPECT_EQ(image.Stride(), c.stride) << c.width << 'x' << c.height;
        if (c.ok) {
            EXPECT_EQ(image.Image().pixelColor(c.width - 1, c.height - 1), QColor(Qt::black));
        }
    }
}

TEST(SkinImageTest, FitSizeKeepsTheAspectRatio) {
    const QSize bound(128, 102);
    EXPECT_EQ(CSkinImage::FitSize(QSize(64, 51), bound), QSize(64, 51)) << "never enlarged";
    EXPECT_EQ(CSkinImage::FitSize(QSize(256, 204), bound), QSize(128, 102));
    EXPECT_EQ(CSkinImage::FitSize(QSize(200, 100), bound), QSize(128, 64));
    EXPECT_EQ(CSkinImage::FitSize(QSize(100, 200), bound), QSize(51, 102));
    EXPECT_EQ(CSkinImage::FitSize(QSize(300, 7), bound), QSize(128, 2)) << "truncates";
    EXPECT_EQ(CSkinImage::FitSize(QSize(300, 50), QSize(-1, 20)), QSize(120, 20))
        << "a negative bound keeps the picture's own";
}

TEST(SkinImageTest, LoadFileScalesAndRefusesWhatItCannotRead) {
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("wide.png"));
    writeImage(picture, solid(300, 150, QColor(10, 200, 30)), "PNG");
    const QString garbage = dir.filePath(QStringLiteral("broken.jpg"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xFF\xD8\xFF not really a JPEG");
    file.close();

    CSkinImage image;
    ASSERT_TRUE(image.LoadFile(picture, 128, 102));
    EXPECT_EQ(image.Image().size(), QSize(128, 64));
    EXPECT_EQ(image.Image().pixelColor(64, 32), QColor(10, 200, 30));
    EXPECT_FALSE(image.LoadFile(garbage, 128, 102));
    EXPECT_FALSE(image.LoadFile(dir.filePath(QStringLiteral("missing.png")), 128, 102));
    EXPECT_EQ(image.Image().size(), QSize(128, 64));
}

// A negative source size copies without stretching; otherwise the source is stretched.
TEST(SkinImageTest, DrawCopiesOrStretches) {
    CSkinImage image;
    ASSERT_TRUE(image.Create(2, 1));
    uchar* bits = image.Bits();
    bits[0] = 255, bits[1] = 0, bits[2] = 0;  // red
    bits[3] = 0, bits[4] = 0, bits[5] = 255;  // blue

    QImage canvas = solid(4, 2, Qt::white);
    {
        QPainter painter(&canvas);
        image.Draw(painter, 0, 0, 4, 2, 0, 0, 2, 1);
    }
    EXPECT_EQ(canvas.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(2, 0), QColor(Qt::blue));

    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        image.Draw(painter, 3, 1, 1, 1, 1, 0, -1, -1);  // one pixel from x 1
        image.Draw(painter, 0, 0);                      // own size
    }
    EXPECT_EQ(canvas.pixelColor(3, 1), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(1, 0), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(2, 0), QColor(Qt::white));
}

TEST(SkinImageTest, DrawFrameCopiesOneFrameOfAStrip) {
    CSkinImage strip;
    ASSERT_TRUE(strip.Create(1, 3));
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
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(1, 0), QColor(Qt::green));
}

}  // namespace
