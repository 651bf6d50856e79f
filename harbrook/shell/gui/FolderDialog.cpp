#include <shell/gui/FolderDialog.h>

#include <QFileDialog>

namespace {

CFolderDialog::Chooser& chooser() {
    static CFolderDialog::Chooser current;
    return current;
}

bool standardChooser(QWidget* owner, QString& folder) {
    const QString chosen = QFileDialog::getExistingDirectory(
        owner, QStringLiteral("フォルダの選択"), folder, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) return false;
    folder = chosen;
    return true;
}

}  // namespace

bool CFolderDialog::FolderNameDlg(QWidget* owner, QString& folder) {
    return chooser() ? chooser()(owner, folder) : standardChooser(owner, folder);
}

void CFolderDialog::SetChooser(Chooser replacement) { chooser() = std::move(replacement); }
