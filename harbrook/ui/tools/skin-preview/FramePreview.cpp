#include "FramePreview.h"

#include <ui/SkinButton.h>
#include <ui/SkinIds.h>
#include <ui/SkinPalette.h>
#include <ui/UiFont.h>

#include <QBitmap>
#include <QPainter>
#include <QPixmap>

namespace {

using namespace ui::image;

constexpr int kWidth = 760;
constexpr int kHeight = 420;
constexpr int kCaptionY = 0, kMenuY = 16, kTabsY = 32, kViewY = 66, kTransferHeight = 37;

}  // namespace

FramePreview::FramePreview(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    AddButton(kCloseButton, QRect(kWidth - 15, 3, 13, 11), 61536);
    AddButton(kMaximiseButton, QRect(kWidth - 30, 3, 13, 11), 61488);
    AddButton(kMinimiseButton, QRect(kWidth - 45, 3, 13, 11), 61472);
    const int menus[] = {kMenuFile, kMenuEdit, kMenuView, kMenuHelp};
    for (int i = 0; i < 4; ++i) AddButton(menus[i], QRect(73 * i, kMenuY, 43, 16), 32771 + i);
    const int tabs[] = {kTabMusic, kTabMyDb, kTabPoints};
    for (int i = 0; i < 3; ++i) AddButton(tabs[i], QRect(12 + 162 * i, kTabsY + 12, 162, 22), 32775 + i, i == 2);
    const int header = kViewY;
    AddButton(kPointOpen, QRect(16, header + 9, 140, 21), 57601);
    AddButton(kPointNew, QRect(162, header + 9, 140, 21), 32783);
    AddButton(kPointShowMap, QRect(308, header + 9, 70, 21), 32808, false, false);
    AddButton(kPointImportMap, QRect(384, header + 9, 70, 21), 32825, false, false);
    AddButton(kTransferUsb, QRect(kWidth - 198, kHeight - kTransferHeight, 140, 21), 32779);
}

void FramePreview::AddButton(int image, const QRect& rect, int command, bool latched, bool enabled) {
    auto* button = new CSkinButton(this);
    button->SetImage(image);
    button->Create(rect, this, command);
    button->SetLatched(latched);
    button->setEnabled(enabled);
}

const CSkinImage& FramePreview::Image(int number) {
    CSkinImage& image = m_images[number];
    if (image.IsEmpty()) image.Load(number);
    return image;
}

void FramePreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width();
    const int h = height();
    // Caption bar.
    p.fillRect(0, kCaptionY, w, 16, ui::palette::kCaptionFill);
    Image(kCaptionIcon).Draw(p, 2, kCaptionY);
    Image(kCaptionTitle).Draw(p, 19, kCaptionY);
    // Menu bar and the USB indicator (connected: last frame).
    const CSkinImage& menu = Image(kMenuBarBackground);
    menu.Draw(p, 0, kMenuY, w, 16, 0, 0, menu.Width(), menu.Height());
    const CSkinImage& usb = Image(kUsbIndicator);
    usb.DrawFrame(p, w - usb.Width() - 4, kMenuY, 4, ui::kUsbIndicatorFrames);
    // Mode tabs.
    const CSkinImage& top = Image(kTabBarTop);
    top.Draw(p, 0, kTabsY, w, top.Height(), 0, 0, top.Width(), top.Height());
    const CSkinImage& body = Image(kTabBarBody);
    const CSkinImage& right = Image(kTabBarRight);
    body.Draw(p, 0, kTabsY + top.Height(), w - right.Width(), body.Height(), 0, 0, body.Width(), body.Height());
    right.Draw(p, w - right.Width(), kTabsY + top.Height());
    // The point view: header strip and a few list rows in the list colours.
    const int headerY = kViewY;
    Image(kPointHeaderLeft).Draw(p, 0, headerY);
    const CSkinImage& headerBody = Image(kPointHeaderBody);
    const CSkinImage& headerRight = Image(kPointHeaderRight);
    headerBody.Draw(p, 16, headerY, w - 16 - headerRight.Width(), 37, 0, 0, headerBody.Width(), 37);
    headerRight.Draw(p, w - headerRight.Width(), headerY);
    Image(kOrvanePicture).Draw(p, 470, headerY + 9);
    const int listTop = headerY + 37;
    const int listBottom = h - kTransferHeight;
    p.fillRect(0, listTop, w, listBottom - listTop, QColor(0x96, 0xB3, 0xD7));
    p.setFont(MakeUiFont(false, 100));
    const char* rows[] = {"東京タワー", "横浜中華街", "箱根湯本駅", "富士山五合目", "浜名湖サービスエリア"};
    // The state icons are an image list: magenta is transparent.
    QPixmap states = QPixmap::fromImage(Image(kPointStateIcons).Image());
    states.setMask(states.createMaskFromColor(ui::palette::kImageListMask));
    for (int r = 0; r < 5; ++r) {
        const QRect row(0, listTop + 2 + r * 18, w - 14, 18);
        const bool selected = r == 1;
        p.fillRect(row, QColor(0xC9, 0xDE, 0xF1));
        p.fillRect(row.adjusted(1, 1, -1, -1), selected ? QColor(0x6B, 0x89, 0xB1) : QColor(0x96, 0xB3, 0xD7));
        p.drawPixmap(2, row.top() + 2, states, 33 * (1 + r % 3), 0, 33, 13);
        p.setPen(selected ? Qt::white : QColor(0x18, 0x1A, 0x16));
        p.drawText(row.adjusted(44, 0, 0, 0), Qt::AlignVCenter, QString::fromUtf8(rows[r]));
    }
    // Vertical scroll bar.
    const CSkinImage& up = Image(kScrollUp);
    const CSkinImage& down = Image(kScrollDown);
    const CSkinImage& track = Image(kVScrollTrack);
    const int barX = w - 14;
    up.Draw(p, barX, listTop);
    track.Draw(p, barX, listTop + 14, 14, listBottom - listTop - 28, 0, 0, track.Width(), track.Height());
    Image(kVScrollThumb).Draw(p, barX, listTop + 30);
    down.Draw(p, barX, listBottom - 14);
    // Transfer bar with the animation running.
    const int barY = h - kTransferHeight;
    Image(kTransferBarLeft).Draw(p, 0, barY);
    const CSkinImage& transferBody = Image(kTransferBarBody);
    const CSkinImage& transferRight = Image(kTransferBarRight);
    transferBody.Draw(p, 180, barY, w - 180 - transferRight.Width(), 37, 0, 0, transferBody.Width(), 37);
    transferRight.Draw(p, w - transferRight.Width(), barY);
    const CSkinImage& anim = Image(kTransferAnimation);
    const int frameHeight = anim.Height() / ui::kTransferAnimationFrames;
    anim.DrawFrame(p, w - anim.Width() - 206, barY + 37 - frameHeight - 10, 3, ui::kTransferAnimationFrames);
}
