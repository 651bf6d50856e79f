// The harbrook program. Options:
//   --settings FILE     use FILE as the settings file instead of the one beside the program
//   --screenshots DIR   start as usual, save pictures of the windows into DIR and end
#include "ScreenshotTour.h"

#include <music/view/MusicReportDlg.h>
#include <music/view/MusicView.h>
#include <mydb/view/MyDbView.h>
#include <points/view/PointCommands.h>
#include <points/view/PointView.h>
#include <points/view/TransferPointFetch.h>
#include <shell/gui/AppData.h>
#include <shell/gui/DialogPrompts.h>
#include <shell/gui/MainApp.h>
#include <shell/gui/MainFrame.h>
#include <shell/gui/TransferRunner.h>
#include <shell/gui/ViewContainer.h>
#include <soundkit/Soundkit.h>

#include <QApplication>
#include <QCommandLineParser>

#include <cstdlib>
#include <memory>

namespace {

struct Options {
    QString settings;
    QString screenshots;
};

Options parseOptions(const QApplication& app) {
    QCommandLineParser parser;
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Settings file to use."),
                                      QStringLiteral("file"));
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                         QStringLiteral("Save pictures of the windows and end."),
                                         QStringLiteral("folder"));
    parser.addOption(settings);
    parser.addOption(screenshots);
    parser.addHelpOption();
    parser.process(app);
    return {parser.value(settings), parser.value(screenshots)};
}

// The modes' own views; a mode without one shows its placeholder.
template <class View>
CViewContainer::MadeView makeView(CAppData& data) {
    auto* view = new View(data);
    return {view, view};
}

// The point view fetches the unit's points over USB through the transfer library.
CViewContainer::MadeView makePointView(CAppData& data) {
    auto* view = new CPointView(data);
    view->Commands().SetFetchFactory(
        [&data, view] { return std::make_unique<TransferPointFetch>(data, view); });
    return {view, view};
}

void installViews() {
    CViewContainer::SetViewMaker(0, makeView<CMusicView>);
    CViewContainer::SetViewMaker(1, makeView<CMyDbView>);
    CViewContainer::SetViewMaker(2, makePointView);
}

// The transfer button sends the active mode's data; a music list that fails its check shows the
// check report.
void installTransfer(CMainApp& app, CAppData& data) {
    DialogPrompts::SetReportViewer([&app](CMusicData& music) {
        CMusicReportDlg::Show(QString::fromStdString(music.ReportText()),
                              QString::fromStdString(music.ErrorText()), app.MainWindow());
    });
    auto* frame = qobject_cast<CMainFrame*>(app.MainWindow());
    if (!frame) return;
    frame->SetTransferHandler([&data, frame] { CTransferRunner(data, frame).Run(frame->ActiveMode()); });
}

}  // namespace

int main(int argc, char** argv) {
    // Pictures can be taken without a display.
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]).startsWith("--screenshots") && !std::getenv("DISPLAY") &&
            !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Harbrook"));
    QApplication::setApplicationVersion(QStringLiteral(HARBROOK_VERSION));
    // Ties the windows to the installed desktop entry (its name and icon in the task switcher).
    QGuiApplication::setDesktopFileName(QStringLiteral("harbrook"));
    const Options options = parseOptions(qapp);

    CAppData& data = theAppData();
    if (!options.settings.isEmpty()) data.SetIniPath(options.settings.toStdString());

    installViews();
    CMainApp app(data);
    const bool screenshots = !options.screenshots.isEmpty();
    if (screenshots) {
        // A picture run leaves the user's settings as they were.
        app.SetSaveOnExit(false);
    } else {
        // Music files once checked are not opened again while they stay unchanged.
        CSoundkit::UseProbeFile(CSoundkit::DefaultProbeFile().c_str());
    }
    if (!app.InitInstance()) {
        // A second copy ends quietly and successfully; a failed start-up reports failure.
        const bool secondCopy = !app.HoldsLock();
        app.ExitInstance();
        return secondCopy ? 0 : 1;
    }
    installTransfer(app, data);
    int result = 0;
    if (screenshots) {
        result = ScreenshotTour(app, options.screenshots).Run() ? 0 : 1;
    } else {
        result = qapp.exec();
    }
    app.ExitInstance();
    return result;
}
