#pragma once
// Pictures of the running program for review: the main window in each of its three modes, the
// myDB grid with rows, a selection, an open drop-down and a refused edit, the option dialog,
// a message dialog, the start-up window, the PC file pane showing a folder made for the
// purpose, a skinned list and tree with demonstration rows, and the point view with points from
// a unit folder and its four dialogs, the transfer progress window mid-transfer and the drive
// dialog listing two cards, and the music view with two albums of test tones and its two property
// dialogs, saved as PNG files.
#include <QString>

class CMainApp;

class ScreenshotTour {
public:
    ScreenshotTour(CMainApp& app, QString folder);
    // Saves every picture; false when one could not be taken or written (the reason on stderr).
    bool Run();

private:
    bool Save(class QWidget* window, const char* name, int settleMs = 100);
    bool SavePicture(const class QPixmap& picture, const char* name);
    bool ShootModes();
    bool ShootMyDb();
    bool ShootDialogs();
    bool ShootSplash();
    bool ShootFilePane();
    bool ShootPoints();
    bool ShootLists();
    bool ShootTransfers();
    bool ShootMusic();

    CMainApp& m_app;
    QString m_folder;
};
