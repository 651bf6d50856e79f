#pragma once
// CFolderDialog: the folder chooser behind the option dialog's browse button. The chooser is
// replaceable so that tests (and other front ends) can answer it without a window.
#include <QString>

#include <functional>

class QWidget;

class CFolderDialog {
public:
    // Offers `folder` as the starting folder; true when the user chose one, which is then in
    // `folder`.
    static bool FolderNameDlg(QWidget* owner, QString& folder);

    // Replaces the chooser; an empty function restores the standard folder dialog.
    using Chooser = std::function<bool(QWidget* owner, QString& folder)>;
    static void SetChooser(Chooser chooser);
};
