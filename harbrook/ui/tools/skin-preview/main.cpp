// skin-preview: renders the skin and sample skinned windows to PNG files for a visual check.
// Usage: harbrook_skin_preview <output folder> [--screen]
// Writes frame.png (main window mock-up), options.png, point-entry.png and question.png (dialogs),
// splash.png (start-up window with its texts) and sheet.png (every image by number). With
// --screen it also shows the mock-up as the main frame with a translucent dialog opening over it
// (zoom effect included) and writes a screenshot, screen.png (run it under xvfb-run).
#include "ContactSheet.h"
#include "FramePreview.h"
#include "PreviewDialog.h"

#include <ui/SkinContext.h>
#include <ui/SkinIds.h>
#include <ui/SkinImage.h>
#include <ui/UiFont.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

bool save(const QImage& image, const QString& folder, const char* name) {
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "skin-preview: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

QImage renderDialog(PreviewDialog::Kind kind) {
    PreviewDialog dialog(kind);
    dialog.InitSkin();
    return dialog.grab().toImage();
}

// The start-up window: image 233 with the status and version lines where the window puts them.
QImage renderSplash() {
    CSkinImage background;
    background.Load(ui::image::kSplash);
    QImage image = background.Image().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(MakeUiFont(false, 100));
    const int w = image.width(), h = image.height();
    painter.setPen(QColor(0x56, 0x97, 0xDD));
    painter.drawText(QRect(13, h - 19, 200, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("設定を復元しています"));
    painter.setPen(QColor(0x8B, 0xAC, 0xCF));
    painter.drawText(QRect(w - 220, h - 67, 200, 12), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Ver.  0. 1. 0"));
    return image;
}

// Real windows on a real screen: the dialog opens with its zoom effect over the mock main frame.
bool renderScreen(const QString& folder) {
    ui::FixedEffectSettings live;
    live.sound = false;
    live.transparent = true;
    ui::SkinContext::SetSettings(&live);
    FramePreview frame;
    frame.move(20, 20);
    frame.show();
    ui::SkinContext::SetMainFrame(&frame, nullptr);
    PreviewDialog dialog(PreviewDialog::Kind::PointEntry, &frame);
    dialog.SetZoom(true);
    QImage shot;
    QTimer::singleShot(300, &dialog, [&] { dialog.show(); });
    QTimer::singleShot(1200, &dialog, [&] {
        shot = frame.screen()->grabWindow(0).toImage();
        dialog.done(QDialog::Accepted);
        QApplication::quit();
    });
    QApplication::exec();
    ui::SkinContext::SetMainFrame(nullptr, nullptr);
    return save(shot, folder, "screen.png");
}

}  // namespace

int main(int argc, char** argv) {
    const bool screen = argc == 3 && std::strcmp(argv[2], "--screen") == 0;
    if (argc != 2 && !screen) {
        std::fprintf(stderr, "usage: harbrook_skin_preview <output folder> [--screen]\n");
        return 2;
    }
    QApplication app(argc, argv);
    ui::FixedEffectSettings quiet;
    quiet.sound = false;
    quiet.animation = false;
    ui::SkinContext::SetSettings(&quiet);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) return 1;
    FramePreview frame;
    const bool ok = save(frame.grab().toImage(), folder, "frame.png") &&
                    save(renderDialog(PreviewDialog::Kind::Options), folder, "options.png") &&
                    save(renderDialog(PreviewDialog::Kind::PointEntry), folder, "point-entry.png") &&
                    save(renderDialog(PreviewDialog::Kind::Question), folder, "question.png") &&
                    save(renderSplash(), folder, "splash.png") &&
                    save(PaintContactSheet(), folder, "sheet.png") &&
                    (!screen || renderScreen(folder));
    ui::SkinContext::SetSettings(nullptr);
    return ok ? 0 : 1;
}
