#include "ScreenshotTour.h"

#include "MusicDemoData.h"
#include "PointDemoData.h"
#include "TourDemoData.h"

#include <music/view/MusicInfoDlg.h>
#include <music/view/MusicReportDlg.h>
#include <music/view/MusicView.h>
#include <mydb/view/MyDbTableModel.h>
#include <mydb/view/MyDbView.h>
#include <points/CPointData.h>
#include <points/PointEntry.h>
#include <points/view/LatLonDlg.h>
#include <points/view/MapPositionDlg.h>
#include <points/view/NewPointChoiceDlg.h>
#include <points/view/PointEntryDlg.h>
#include <points/view/PointListModel.h>
#include <points/view/PointView.h>
#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <shell/gui/DriveSelectDlg.h>
#include <shell/gui/MainApp.h>
#include <shell/gui/MessageDlg.h>
#include <shell/gui/OptionDlg.h>
#include <shell/gui/SplashWnd.h>
#include <shell/gui/TextAdapter.h>
#include <shell/gui/TransferProgressDlg.h>
#include <shell/gui/ViewContainer.h>

#include <platform/MessageTarget.h>
#include <transfer/UnitLink.h>
#include <ui/PcFilePane.h>
#include <ui/ShellFolders.h>
#include <ui/SkinContext.h>
#include <ui/SkinList.h>
#include <ui/SkinTree.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTemporaryDir>
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

// Lets events run until `done` holds, at most `milliseconds`.
template <typename Done>
bool settleUntil(Done done, int milliseconds) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < milliseconds) settle(20);
    return done();
}

// The window's picture with `over` (a popup or dialog window) drawn where it stands on screen.
QPixmap composed(QWidget* window, QWidget* over) {
    QPixmap picture = window->grab();
    QPainter painter(&picture);
    painter.drawPixmap(over->mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0)),
                       over->grab());
    return picture;
}

}  // namespace

ScreenshotTour::ScreenshotTour(CMainApp& app, QString folder)
    : m_app(app), m_folder(std::move(folder)) {}

bool ScreenshotTour::Run() {
    if (!QDir().mkpath(m_folder)) {
        std::fprintf(stderr, "harbrook: cannot create %s\n", qPrintable(m_folder));
        return false;
    }
    // Nothing may wait for an answer while the pictures are taken.
    SetMessageDlgResponder(
        [](const QString&, int type) { return CMessageDlg::EscapeResult(type); });
    const bool ok = ShootModes() && ShootMyDb() && ShootDialogs() && ShootSplash() &&
                    ShootFilePane() && ShootLists() && ShootPoints() && ShootTransfers() &&
                    ShootMusic();
    SetMessageDlgResponder({});
    return ok;
}

bool ScreenshotTour::Save(QWidget* window, const char* name, int settleMs) {
    settle(settleMs);
    return SavePicture(window->grab(), name);
}

bool ScreenshotTour::SavePicture(const QPixmap& picture, const char* name) {
    const QString path = QDir(m_folder).filePath(QString::fromLatin1(name));
    if (!picture.save(path, "PNG")) {
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

bool ScreenshotTour::ShootMyDb() {
    QWidget* frame = m_app.MainWindow();
    auto* container = frame ? frame->findChild<CViewContainer*>() : nullptr;
    auto* view = container ? qobject_cast<CMyDbView*>(container->View(1)) : nullptr;
    if (!view) return false;
    CMyDbData& store = theAppData().m_MyDbData;
    fillMyDb(store);
    m_app.FrameTarget()->send(ui::kWmCommand, cmd::kModeMyDb, 0);
    view->onCommand(cmd::kUpdate);
    CSkinList* grid = view->Grid();
    grid->selectionModel()->select(
        QItemSelection(view->Model()->index(1, 0), view->Model()->index(3, 0)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid->SetCurrentCell(2, 2);
    frame->activateWindow();
    grid->setFocus();
    bool ok = Save(frame, "mydb-view.png", 800);

    // The genre drop-down of a track row, open.
    grid->selectionModel()->select(view->Model()->index(6, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid->EditCell(6, 5);
    settle(300);
    auto* combo = grid->findChild<QComboBox*>();
    QWidget* popup = combo ? combo->view()->window() : nullptr;
    if (popup && popup->isVisible()) {
        ok = SavePicture(composed(frame, popup), "mydb-dropdown.png") && ok;
        combo->hidePopup();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(combo, &escape);
    } else {
        std::fprintf(stderr, "harbrook: the genre drop-down did not open\n");
        ok = false;
    }
    grid->setFocus();
    settle(100);

    CMessageDlg refused(QString::fromUtf8(MyDbEditor::kRejectedText), CMessageDlg::kInformation,
                        frame);
    refused.show();
    settle(300);
    ok = SavePicture(composed(frame, &refused), "mydb-refused.png") && ok;
    refused.hide();

    store.RemoveAllRows();
    store.SetModified(false);
    view->onCommand(cmd::kUpdate);
    return ok;
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

bool ScreenshotTour::ShootFilePane() {
    // A home folder with music, a card, and the real file system; the list shows an album.
    QTemporaryDir work;
    const QDir home(work.filePath(QStringLiteral("home")));
    const QString album = home.filePath(QStringLiteral("Music/港の灯り"));
    const QString card = work.filePath(QStringLiteral("CARD"));
    bool made = work.isValid() && QDir().mkpath(album) && makeDemoAlbum(album);
    for (const char* folder : {"Desktop", "Documents", "ダウンロード", "Music/Jazz Standards",
                               "Music/ポッドキャスト/2024"}) {
        made = made && home.mkpath(QString::fromUtf8(folder));
    }
    made = made && QDir().mkpath(card + QStringLiteral("/MUSIC"));
    if (!made) {
        std::fprintf(stderr, "harbrook: cannot make the demonstration folders\n");
        return false;
    }
    auto roots = [&] {
        return std::vector<ShellItem>{
            CShellFolders::RootItem(home.path(), QStringLiteral("ホーム"),
                                    QStringLiteral("user-home")),
            CShellFolders::RootItem(home.filePath(QStringLiteral("Desktop")),
                                    QStringLiteral("デスクトップ"), QStringLiteral("user-desktop")),
            CShellFolders::RootItem(home.filePath(QStringLiteral("Music")),
                                    QStringLiteral("ミュージック"), QStringLiteral("folder-music")),
            CShellFolders::RootItem(QStringLiteral("/"), QStringLiteral("ファイルシステム"),
                                    QStringLiteral("drive-harddisk"), ui::DriveType::kFixed),
            CShellFolders::RootItem(card, QStringLiteral("CARD"),
                                    QStringLiteral("drive-removable-media"),
                                    ui::DriveType::kRemovable)};
    };
    // The picture shows the pane as a Japanese desktop runs it (type names in Japanese).
    const QLocale locale;
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    // The pane's settings are copies: pictures leave the user's settings alone.
    const AppSettings& settings = theAppData().m_Settings;
    float split = settings.fileSplit;
    std::vector<std::uint32_t> widths = settings.fileColumn;
    std::string folder;
    CPcFilePane pane(split, widths, folder, nullptr, roots);
    pane.resize(900, 330);
    pane.show();
    pane.ShowFolder(album);
    const bool shown = settleUntil([&] { return pane.TreeFolder() == album; }, 5000);
    QLocale::setDefault(locale);
    if (!shown) {
        std::fprintf(stderr, "harbrook: the file pane did not show %s\n", qPrintable(album));
        return false;
    }
    const int row =
        pane.Files()->RowOf(QDir(album).filePath(QStringLiteral("02 Harbour Lights.mp3")));
    pane.FileList()->selectionModel()->select(
        pane.Files()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return Save(&pane, "pc-file-pane.png", 300);
}

bool ScreenshotTour::ShootLists() {
    // A few tracks: the selection, the cell cursor and the empty cells down to the bottom edge.
    QStandardItemModel tracks;
    fillTracks(tracks, 1);
    CSkinList list;
    showTracks(list, tracks, QSize(640, 260));
    list.SetCellMode(true);
    list.selectRow(1);
    list.selectionModel()->select(tracks.index(2, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list.SetCurrentCell(2, 3);
    list.activateWindow();
    list.setFocus();
    const bool listSaved = Save(&list, "skin-list.png");
    list.hide();

    // Many tracks in a small window: both scroll bars and the corner between them.
    QStandardItemModel many;
    fillTracks(many, 8);
    CSkinList scrolled;
    showTracks(scrolled, many, QSize(420, 200));
    settle(50);  // the scroll ranges follow the layout
    scrolled.selectRow(15);
    scrolled.verticalScrollBar()->setValue(12);
    scrolled.horizontalScrollBar()->setValue(60);
    const bool scrolledSaved = Save(&scrolled, "skin-list-scroll-bars.png");
    scrolled.hide();

    QStandardItemModel playlists;
    fillPlaylists(playlists);
    CSkinTree tree;
    tree.resize(220, 200);
    tree.setModel(&playlists);
    tree.SetCaption(QStringLiteral("  転送リスト"));
    tree.expandAll();
    tree.setCurrentIndex(playlists.index(1, 0, playlists.index(0, 0)));
    tree.show();
    const bool treeSaved = Save(&tree, "skin-tree.png");
    return listSaved && scrolledSaved && treeSaved;
}

bool ScreenshotTour::ShootPoints() {
    // The unit's points as a fetch brings them, two from a PC work file and a new one.
    QTemporaryDir work;
    const PointDemoData demo(work.path());
    CAppData& data = theAppData();
    auto* view = m_app.MainWindow() ? m_app.MainWindow()->findChild<CPointView*>() : nullptr;
    if (!work.isValid() || !view || !demo.Fill(data.m_PointData)) {
        std::fprintf(stderr, "harbrook: cannot make the demonstration points\n");
        return false;
    }
    // The earlier pictures leave rows unsaved in another mode: the switch is told not to save.
    SetMessageDlgResponder([](const QString&, int type) {
        return type == CMessageDlg::kYesNoCancel ? CMessageDlg::kNo
                                                 : CMessageDlg::EscapeResult(type);
    });
    m_app.FrameTarget()->send(ui::kWmCommand, static_cast<platform::WParam>(cmd::kModePoints), 0);
    data.BroadcastUpdate(nullptr);
    view->SelectRow(1);
    if (!Save(m_app.MainWindow(), "point-view.png", 800)) return false;

    // The entry dialog shows the first point, which has a picture.
    auto entry = std::make_unique<points::PointEntry>();
    data.m_PointData.GetPoint(view->Model().SlotAt(0), entry.get());
    CPointEntryDlg entryDialog(data.m_Settings, m_app.MainWindow());
    entryDialog.SetEntry(entry.get());
    entryDialog.SetGroupNames(view->Model().GroupNames());
    entryDialog.show();
    const bool entrySaved = Save(&entryDialog, "point-entry-dialog.png");
    entryDialog.hide();

    CLatLonDlg latLon(data.m_PointData, m_app.MainWindow());
    const char* typed[] = {"35", "39", "16.0", "139", "44", "40.9"};
    for (int i = 0; i < 6; ++i) latLon.Edit(i)->setText(QString::fromLatin1(typed[i]));
    latLon.show();
    const bool latLonSaved = Save(&latLon, "point-latlon-dialog.png");
    latLon.hide();

    CNewPointChoiceDlg choice(m_app.MainWindow());
    choice.show();
    const bool choiceSaved = Save(&choice, "point-choice-dialog.png");
    choice.hide();

    CMapPositionDlg map(data.m_PointData, m_app.MainWindow());
    map.show();
    const bool mapSaved = Save(&map, "point-map-dialog.png");
    map.hide();
    return entrySaved && latLonSaved && choiceSaved && mapSaved;
}

bool ScreenshotTour::ShootTransfers() {
    QWidget* frame = m_app.MainWindow();
    CTransferProgressDlg progress(frame);
    if (!progress.Begin(frame, true)) return false;
    progress.SetTitle(UnitLink::kSendTitle);
    progress.SetMessage(UnitLink::kSendMessage);
    progress.SetRange(0, 120);
    progress.SetCounter(5, 12);
    progress.SetPos(47);
    settle(300);
    const bool progressSaved = SavePicture(composed(frame, &progress), "transfer-progress.png");
    progress.End();

    // Two cards, played by folders made for the picture.
    QTemporaryDir cardA, cardB;
    const std::vector<ui::Volume> cards{{cardA.path(), QStringLiteral("NAVI_CF"), ui::DriveType::kRemovable},
                                        {cardB.path(), QStringLiteral("SD_CARD"), ui::DriveType::kRemovable}};
    CDriveSelectDlg drives([](const std::string&) { return std::uint64_t{48} << 20; }, frame,
                           [cards] { return cards; });
    drives.show();
    drives.activateWindow();
    drives.List()->setFocus();
    drives.SelectRow(0);
    const bool drivesSaved = Save(&drives, "drive-dialog.png");
    drives.hide();
    return progressSaved && drivesSaved;
}

bool ScreenshotTour::ShootMusic() {
    // Two albums of test tones on the left; both as playlists on the right, tracks shown.
    QTemporaryDir work;
    const MusicDemoData demo(work.path());
    CAppData& data = theAppData();
    QWidget* frame = m_app.MainWindow();
    auto* view = frame ? frame->findChild<CMusicView*>() : nullptr;
    if (!work.isValid() || !view || !demo.IsComplete()) {
        std::fprintf(stderr, "harbrook: cannot make the demonstration music (ffmpeg?)\n");
        return false;
    }
    m_app.FrameTarget()->send(ui::kWmCommand, static_cast<platform::WParam>(cmd::kModeMusic), 0);
    // The lyrics file is refused: its report is kept for a picture of its own.
    QString report, message;
    CMusicReportDlg::SetResponder([&](const QString& text, const QString& result) {
        report = text;
        message = result;
    });
    for (const QString& album : demo.Albums()) {
        view->AddItems({{album.toStdString(), toCp932(QDir(album).dirName()), true}}, -1, true);
    }
    CMusicReportDlg::SetResponder({});
    CMusicData& music = data.m_MusicData;
    MusicProperties album{};
    music.GetProperties(0, -1, &album);
    PutMusicField(album, MusicField::Reading, toCp932(QStringLiteral("みなとのあかり")));
    PutMusicField(album, MusicField::Artist, toCp932(QStringLiteral("港町バンド")));
    PutMusicField(album, MusicField::ArtistReading, toCp932(QStringLiteral("みなとまちばんど")));
    PutMusicField(album, MusicField::ReleaseYear, "2004");
    PutMusicField(album, MusicField::Genre, toCp932(QStringLiteral("J-POP")));
    music.SetProperties(0, -1, album);
    // Four panes side by side want a wide window.
    const QSize frameSize = frame->size();
    frame->resize(1240, 620);
    view->PcPane()->ShowFolder(demo.Albums().front());
    settleUntil([&] { return view->PcPane()->TreeFolder() == demo.Albums().front(); }, 5000);
    view->PcPane()->FolderTree()->scrollTo(view->PcPane()->FolderTree()->currentIndex(),
                                           QAbstractItemView::PositionAtCenter);
    view->onCommand(cmd::kUpdate);
    view->ShowPlayList(0);
    view->SelectRows({1});
    bool ok = Save(frame, "music-view.png", 800);
    frame->resize(frameSize);

    MusicProperties track{};
    music.GetProperties(0, 1, &track);
    const struct {
        bool track;
        const MusicProperties& properties;
        const char* name;
    } dialogs[] = {{false, album, "music-playlist-properties.png"},
                   {true, track, "music-track-properties.png"}};
    music.GetProperties(0, -1, &album);  // with its track count and total time
    for (const auto& shown : dialogs) {
        const auto dialog = CMusicInfoDlg::ForProperties(shown.properties, shown.track, frame);
        dialog->show();
        ok = Save(dialog.get(), shown.name) && ok;
        dialog->hide();
    }
    CMusicReportDlg reportDialog(report, message, frame);
    reportDialog.show();
    ok = Save(&reportDialog, "music-report.png") && ok;
    reportDialog.hide();
    music.ClearAll();
    music.SetModified(false);
    view->onCommand(cmd::kUpdate);
    return ok;
}
