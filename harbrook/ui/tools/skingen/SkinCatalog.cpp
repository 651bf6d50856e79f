#include "SkinCatalog.h"

#include "BarArt.h"
#include "ButtonArt.h"
#include "Glyphs.h"
#include "PictureArt.h"
#include "SoundSynth.h"

#include <ui/SkinIds.h>
#include <ui/SkinPalette.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>

namespace skingen {
namespace {

using namespace ui::image;

QByteArray encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Skin images are 24-bit; icons keep their alpha.
    const QImage out = image.hasAlphaChannel() ? image : image.convertToFormat(QImage::Format_RGB888);
    out.save(&buffer, format);
    return bytes;
}

SkinEntry png(int number, std::function<QImage()> paint) {
    return {"image", QString::number(number), "png", [paint] { return encode(paint(), "PNG"); }};
}

SkinEntry button(int number, ButtonSpec spec) {
    return png(number, [spec] { return ButtonStrip(spec); });
}

ButtonSpec spec(QSize frame, ButtonFamily family, const QString& text, Backdrop backdrop,
                GlyphPainter glyph = {}, int pixels = 12, bool bold = false) {
    return {frame, family, text, std::move(glyph), pixels, bold, std::move(backdrop)};
}

SkinEntry wave(int number, std::function<QByteArray()> make) {
    return {"wave", QString::number(number), "wav", std::move(make)};
}

SkinEntry icon(const char* name, std::function<QImage()> paint) {
    return {"icon", QString::fromLatin1(name), "png", [paint] { return encode(paint(), "PNG"); }};
}

void addFrameImages(std::vector<SkinEntry>& all) {
    const QSize caption(13, 11);
    const Backdrop onCaption = bars::CaptionBackdrop();
    all.push_back(png(kCaptionTitle, pictures::CaptionTitle));
    all.push_back(png(kCaptionIcon, pictures::CaptionIcon));
    all.push_back(button(kCloseButton, spec(caption, ButtonFamily::Ghost, {}, onCaption, glyph::Close)));
    all.push_back(button(kMaximiseButton, spec(caption, ButtonFamily::Ghost, {}, onCaption, glyph::Maximise)));
    all.push_back(button(kMinimiseButton, spec(caption, ButtonFamily::Ghost, {}, onCaption, glyph::Minimise)));
    all.push_back(button(kRestoreButton, spec(caption, ButtonFamily::Ghost, {}, onCaption, glyph::Restore)));

    const QSize menu(43, 16);
    const Backdrop onMenu = bars::MenuBarBackdrop();
    all.push_back(png(kMenuBarBackground, bars::MenuBar));
    all.push_back(button(kMenuFile, spec(menu, ButtonFamily::Ghost, QStringLiteral("File"), onMenu, {}, 11)));
    all.push_back(button(kMenuEdit, spec(menu, ButtonFamily::Ghost, QStringLiteral("Edit"), onMenu, {}, 11)));
    all.push_back(button(kMenuView, spec(menu, ButtonFamily::Ghost, QStringLiteral("View"), onMenu, {}, 11)));
    all.push_back(button(kMenuHelp, spec(menu, ButtonFamily::Ghost, QStringLiteral("Help"), onMenu, {}, 11)));
    all.push_back(png(kUsbIndicator, pictures::UsbIndicator));

    const QSize tab(162, 22);
    const Backdrop onTabs = bars::TabBackdrop();
    all.push_back(png(kTabBarTop, bars::TabBarTop));
    all.push_back(png(kTabBarBody, bars::TabBarBody));
    all.push_back(png(kTabBarRight, bars::TabBarRight));
    all.push_back(button(kTabMusic, spec(tab, ButtonFamily::Tab, QStringLiteral("WMA/MP3転送"), onTabs, glyph::Note)));
    all.push_back(button(kTabMyDb, spec(tab, ButtonFamily::Tab, QStringLiteral("ZUZ myDB編集"), onTabs, glyph::Folder)));
    all.push_back(button(kTabPoints, spec(tab, ButtonFamily::Tab, QStringLiteral("登録地点データ編集"), onTabs, glyph::MapPin)));

    const QSize transfer(140, 21);
    all.push_back(png(kTransferBarBody, [] { return bars::DarkBar(8, false); }));
    all.push_back(png(kTransferBarLeft, bars::TransferBarLeft));
    all.push_back(png(kTransferBarRight, bars::TransferBarRight));
    all.push_back(button(kTransferUsb, spec(transfer, ButtonFamily::Accent, QStringLiteral("Naviへ転送"), bars::DarkBarBackdrop(0), glyph::Usb, 12, true)));
    all.push_back(button(kTransferMedia, spec(transfer, ButtonFamily::Accent, QStringLiteral("CFカードへ転送"), bars::DarkBarBackdrop(0), glyph::Card, 12, true)));
    all.push_back(png(kTransferAnimation, pictures::TransferAnimation));
}

void addListImages(std::vector<SkinEntry>& all) {
    all.push_back(png(kHScrollThumb, [] { return bars::ScrollThumb(true); }));
    all.push_back(png(kHScrollTrack, [] { return bars::ScrollTrack(true); }));
    all.push_back(png(kScrollLeft, [] { return bars::ScrollArrow(0); }));
    all.push_back(png(kScrollRight, [] { return bars::ScrollArrow(2); }));
    all.push_back(png(kVScrollTrack, [] { return bars::ScrollTrack(false); }));
    all.push_back(png(kScrollDown, [] { return bars::ScrollArrow(3); }));
    all.push_back(png(kVScrollThumb, [] { return bars::ScrollThumb(false); }));
    all.push_back(png(kScrollUp, [] { return bars::ScrollArrow(1); }));
    all.push_back(png(kScrollCorner, bars::ScrollCorner));
}

void addPointViewImages(std::vector<SkinEntry>& all) {
    const Backdrop onHeader = bars::DarkBarBackdrop(9);
    all.push_back(png(kPointHeaderBody, [] { return bars::DarkBar(8, false); }));
    all.push_back(png(kPointHeaderLeft, [] { return bars::DarkBar(16, true); }));
    all.push_back(png(kPointHeaderRight, bars::PointHeaderRight));
    all.push_back(button(kPointOpen, spec({140, 21}, ButtonFamily::Silver, QStringLiteral("開く"), onHeader, glyph::Folder)));
    all.push_back(button(kPointNew, spec({140, 21}, ButtonFamily::Accent, QStringLiteral("新規登録"), onHeader, glyph::Plus, 12, true)));
    all.push_back(button(kPointShowMap, spec({70, 21}, ButtonFamily::Silver, QStringLiteral("地図表示"), onHeader, {}, 11)));
    all.push_back(button(kPointImportMap, spec({70, 21}, ButtonFamily::Silver, QStringLiteral("地点取込"), onHeader, {}, 11)));
    all.push_back(png(kOrvanePicture, pictures::OrvanePicture));
    all.push_back({"bitmap", QString::number(kPointStateIcons), "bmp",
                   [] { return encode(pictures::PointStateIcons(), "BMP"); }});
}

void addDialogImages(std::vector<SkinEntry>& all) {
    const QSize size(80, 24);
    const Backdrop onDialog = bars::DialogBackdrop();
    all.push_back(png(kDialogBackground, bars::DialogBackground));
    all.push_back(png(kDialogCaptionLeft, [] { return bars::DialogCaption(true); }));
    all.push_back(png(kDialogCaptionRight, [] { return bars::DialogCaption(false); }));
    all.push_back(button(kButtonStop, spec(size, ButtonFamily::Silver, QStringLiteral("中止"), onDialog, glyph::Stop)));
    all.push_back(button(kButtonBrowse, spec(size, ButtonFamily::Silver, QStringLiteral("参照"), onDialog, glyph::Folder)));
    all.push_back(button(kButtonCancel, spec(size, ButtonFamily::Silver, QStringLiteral("キャンセル"), onDialog)));
    all.push_back(button(kButtonRemove, spec(size, ButtonFamily::Silver, QStringLiteral("取り消し"), onDialog)));
    all.push_back(button(kButtonOk, spec(size, ButtonFamily::Accent, QStringLiteral("OK"), onDialog, {}, 12, true)));
    all.push_back(button(kButtonNo, spec(size, ButtonFamily::Silver, QStringLiteral("いいえ"), onDialog)));
    all.push_back(button(kButtonYes, spec(size, ButtonFamily::Accent, QStringLiteral("はい"), onDialog, {}, 12, true)));
    all.push_back(button(kChoiceLatLon, spec({140, 64}, ButtonFamily::Choice, QStringLiteral("緯度経度を入力"), onDialog, glyph::Globe, 12, true)));
    all.push_back(button(kChoiceMapService, spec({140, 64}, ButtonFamily::Choice, QStringLiteral("OrvaneWebで指定"), onDialog, glyph::MapPin, 12, true)));
    all.push_back(png(kSplash, pictures::Splash));
}

void addSoundsAndIcons(std::vector<SkinEntry>& all) {
    all.push_back(wave(ui::sound::kClick, sounds::Click));
    all.push_back(wave(ui::sound::kDialogClose, sounds::DialogClose));
    all.push_back(wave(ui::sound::kModeChange, sounds::ModeChange));
    all.push_back(wave(ui::sound::kDialogOpen, sounds::DialogOpen));
    all.push_back(icon("128", [] { return pictures::AppIcon(64); }));
    all.push_back(icon("track-mp3", [] { return pictures::TrackIcon(QStringLiteral("MP3"), QColor(0x3A, 0x6F, 0xAE)); }));
    all.push_back(icon("track-wma", [] { return pictures::TrackIcon(QStringLiteral("WMA"), QColor(0x2E, 0x8B, 0x7A)); }));
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

std::vector<SkinEntry> SkinCatalog() {
    std::vector<SkinEntry> all;
    addFrameImages(all);
    addListImages(all);
    addPointViewImages(all);
    addDialogImages(all);
    addSoundsAndIcons(all);
    return all;
}

bool WriteSkin(const QString& folder, const QString& qrcName) {
    QString qrc = QStringLiteral("<RCC>\n  <qresource prefix=\"/\">\n");
    for (const SkinEntry& entry : SkinCatalog()) {
        const QString kind = QString::fromLatin1(entry.kind);
        const QString file = kind + QLatin1Char('/') + entry.name + QLatin1Char('.') + QLatin1String(entry.suffix);
        if (!QDir(folder).mkpath(kind)) return false;
        const QByteArray bytes = entry.make();
        if (bytes.isEmpty()) {
            std::fprintf(stderr, "skingen: nothing made for %s\n", qPrintable(file));
            return false;
        }
        if (!writeFile(folder + QLatin1Char('/') + file, bytes)) return false;
        qrc += QStringLiteral("    <file alias=\"%1/%2\">%3</file>\n").arg(kind, entry.name, file);
    }
    qrc += QStringLiteral("  </qresource>\n</RCC>\n");
    return writeFile(folder + QLatin1Char('/') + qrcName, qrc.toUtf8());
}

}  // namespace skingen
