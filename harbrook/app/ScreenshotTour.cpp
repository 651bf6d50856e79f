#include "ScreenshotTour.h"

#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <shell/gui/MainApp.h>
#include <shell/gui/MessageDlg.h>
#include <shell/gui/OptionDlg.h>
#include <shell/gui/SplashWnd.h>

#include <platform/MessageTarget.h>
#include <ui/SkinContext.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QThread>

#include <cstdio>

namespace {

// Lets pending events run for `milliseconds`, so that the picture shows the settled window: the
// mode tabs post their change and the view switch fades for about 200 ms.
void settle(int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 20) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    QApplication::processEvents();
}

}  // namespace

ScreenshotTour::ScreenshotTour(CMainApp& app, QString folder) : m_app(app), m_folder(std::move(folder)) {}

bool ScreenshotTour::Run() {
    if (!QDir().mkpath(m_folder)) {
        std::fprintf(stderr, "harbrook: cannot create %s\n", qPrintable(m_folder));
        return false;
    }
    // Nothing may wait for an answer while the pictures are taken.
    SetMessageDlgResponder([](const QString&, int type) { return CMessageDlg::EscapeResult(type); });
    const bool ok = ShootModes() && ShootDialogs() && ShootSplash();
    SetMessageDlgResponder({});
    return ok;
}

bool ScreenshotTour::Save(QWidget* window, const char* name, int settleMs) {
    settle(settleMs);
    const QString path = QDir(m_folder).filePath(QString::fromLatin1(name));
    if (!window->grab().save(path, "PNG")) {
        std::fprintf(stderr, "harbrook: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool ScreenshotTour::ShootModes() {
    QWidget* frame = m_app.MainWindow();
    platform::MessageTarget* commands = m_app.FrameTarget();
    if (!frame || !commands) return false;
    const struct {
        int command;
        const char* name;
    } modes[] = {{cmd::kModeMusic, "mode-music.png"},
                 {cmd::kModeMyDb, "mode-mydb.png"},
                 {cmd::kModePoints, "mode-points.png"}};
    for (const auto& mode : modes) {
        commands->send(ui::kWmCommand, static_cast<platform::WParam>(mode.command), 0);
        if (!Save(frame, mode.name, 800)) return false;
    }
    return true;
}

bool ScreenshotTour::ShootDialogs() {
    COptionDlg options(theAppData().m_Settings, m_app.MainWindow());
    options.show();
    const bool optionsSaved = Save(&options, "option-dialog.png");
    options.hide();

    CMessageDlg message(QStringLiteral("保存されていないデータがあります。\r\r保存しますか？"),
                        CMessageDlg::kYesNoCancel, m_app.MainWindow());
    message.show();
    const bool messageSaved = Save(&message, "message-dialog.png");
    message.hide();
    return optionsSaved && messageSaved;
}

bool ScreenshotTour::ShootSplash() {
    CSplashWnd splash;
    if (!splash.Create()) return false;
    splash.SetStatusDelay(0);
    splash.show();
    splash.ShowStatus(QStringLiteral("設定を復元しています"));
    return Save(&splash, "startup-window.png");
}
