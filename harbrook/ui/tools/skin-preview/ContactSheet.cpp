#include "ContactSheet.h"

#include <ui/SkinIds.h>
#include <ui/SkinImage.h>
#include <ui/UiFont.h>

#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

using namespace ui::image;

// Images made of five button frames; they are shown with the frames side by side.
const int kStrips[] = {kCloseButton, kMaximiseButton, kMinimiseButton, kRestoreButton, kMenuFile,
                       kMenuEdit, kMenuView, kMenuHelp, kTabMusic, kTabMyDb, kTabPoints, kTransferUsb,
                       kTransferMedia, kPointOpen, kPointNew, kPointShowMap, kPointImportMap,
                       kButtonStop, kButtonBrowse, kButtonCancel, kButtonRemove, kButtonOk, kButtonNo,
                       kButtonYes, kChoiceLatLon, kChoiceMapService};
const int kSingles[] = {kCaptionTitle, kCaptionIcon, kMenuBarBackground, kUsbIndicator, kTabBarTop,
                        kTabBarBody, kTabBarRight, kTransferBarLeft, kTransferBarBody,
                        kTransferBarRight, kTransferAnimation, kHScrollThumb, kHScrollTrack,
                        kScrollLeft, kScrollRight, kVScrollTrack, kScrollDown, kVScrollThumb,
                        kScrollUp, kScrollCorner, kPointHeaderLeft, kPointHeaderBody,
                        kPointHeaderRight, kOrvanePicture, kPointStateIcons, kDialogBackground,
                        kDialogCaptionLeft, kDialogCaptionRight, kSplash};

bool isStrip(int number) { return std::find(std::begin(kStrips), std::end(kStrips), number) != std::end(kStrips); }

QSize cellSize(const CSkinImage& image, bool strip) {
    if (!strip) return image.Image().size();
    const int frame = image.Height() / ui::kButtonFrameCount;
    return QSize(image.Width() * ui::kButtonFrameCount + 4 * (ui::kButtonFrameCount - 1), frame);
}

}  // namespace

QImage PaintContactSheet() {
    std::vector<int> numbers(std::begin(kStrips), std::end(kStrips));
    numbers.insert(numbers.end(), std::begin(kSingles), std::end(kSingles));
    const int width = 1100, label = 40, gap = 10;
    // Lay out in rows, left to right.
    struct Cell { int number; QRect rect; };
    std::vector<Cell> cells;
    int x = gap, y = gap, rowHeight = 0;
    for (int number : numbers) {
        CSkinImage image;
        if (!image.Load(number)) continue;
        const QSize size = cellSize(image, isStrip(number));
        if (x + label + size.width() > width - gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        cells.push_back({number, QRect(x + label, y, size.width(), size.height())});
        x += label + size.width() + 2 * gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    QImage sheet(width, y + rowHeight + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0x6E, 0x78, 0x84));
    QPainter painter(&sheet);
    painter.setFont(MakeUiFont(true, 100));
    painter.setPen(Qt::white);
    for (const Cell& cell : cells) {
        CSkinImage image;
        image.Load(cell.number);
        painter.drawText(QRect(cell.rect.left() - label, cell.rect.top(), label - 4, 16), Qt::AlignRight, QString::number(cell.number));
        if (!isStrip(cell.number)) {
            image.Draw(painter, cell.rect.left(), cell.rect.top());
            continue;
        }
        const int frame = image.Height() / ui::kButtonFrameCount;
        for (int f = 0; f < ui::kButtonFrameCount; ++f) {
            image.Draw(painter, cell.rect.left() + f * (image.Width() + 4), cell.rect.top(), image.Width(), frame, 0, f * frame, -1, -1);
        }
    }
    return sheet;
}
