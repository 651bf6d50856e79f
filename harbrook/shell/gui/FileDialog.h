#pragma once
// CFileDialog: the open and save dialogs of the program's own files. A kind names what is
// chosen and gives the dialog its caption and filters: 1 music transfer lists, 2 myDB files,
// 3 point work files, 4 pictures. The chooser is replaceable so that tests (and other front ends)
// can answer it without a window.
#include <QString>

#include <functional>

class QWidget;

class CFileDialog {
public:
    enum Kind { kMusicList = 1, kMyDb = 2, kPointFile = 3, kPicture = 4 };

    // Opens in `folder` with `path` (a bare file name, or empty) offered; true when the user chose
    // a file, whose full path is then in `path`. `open` is 1 for an open dialog, 0 for a save
    // dialog (which asks before replacing an existing file).
    static bool FileNameDlg(QWidget* owner, int kind, int open, const QString& folder,
                            QString& path);

    // Replaces the chooser; an empty function restores the standard file dialog.
    using Chooser = std::function<bool(QWidget* owner, int kind, int open, const QString& folder,
                                       QString& path)>;
    static void SetChooser(Chooser chooser);

    // The filters the standard dialog offers for a kind, the first one selected.
    static QString Filters(int kind);
};
