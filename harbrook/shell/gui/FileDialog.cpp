#include <shell/gui/FileDialog.h>

#include <QDir>
#include <QFileDialog>

namespace {

CFileDialog::Chooser& chooser() {
    static CFileDialog::Chooser current;
    return current;
}

QString caption(int kind, int open) {
    switch (kind) {
        case CFileDialog::kMusicList:
            return open ? QStringLiteral("転送リストを開く") : QStringLiteral("転送リストを保存");
        case CFileDialog::kMyDb:
            return open ? QStringLiteral("myDBを開く") : QStringLiteral("myDBを保存");
        case CFileDialog::kPointFile:
            return open ? QStringLiteral("登録地点データを開く")
                        : QStringLiteral("登録地点データを保存");
        case CFileDialog::kPicture:
            return QStringLiteral("画像を開く");
        default:
            return open ? QStringLiteral("開く") : QStringLiteral("保存");
    }
}

bool standardChooser(QWidget* owner, int kind, int open, const QString& folder, QString& path) {
    const QString start = path.isEmpty() ? folder : QDir(folder).filePath(path);
    const QString chosen = open ? QFileDialog::getOpenFileName(owner, caption(kind, open), start,
                                                               CFileDialog::Filters(kind))
                                : QFileDialog::getSaveFileName(owner, caption(kind, open), start,
                                                               CFileDialog::Filters(kind));
    if (chosen.isEmpty()) return false;
    path = chosen;
    return true;
}

}  // namespace

QString CFileDialog::Filters(int kind) {
    const QString all = QStringLiteral("すべてのファイル (*)");
    switch (kind) {
        case kMyDb:
            return QStringLiteral("myDBファイル (*.txt *.TXT);;") + all;
        case kPointFile:
            return QStringLiteral("登録地点データ (*.V04 *.v04);;") + all;
        case kPicture:
            return QStringLiteral(
                       "画像ファイル (*.jpg *.jpeg *.png *.bmp *.gif *.JPG *.JPEG "
                       "*.PNG *.BMP *.GIF);;") +
                   all;
        default:
            return all;
    }
}

bool CFileDialog::FileNameDlg(QWidget* owner, int kind, int open, const QString& folder,
                              QString& path) {
    return chooser() ? chooser()(owner, kind, open, folder, path)
                     : standardChooser(owner, kind, open, folder, path);
}

void CFileDialog::SetChooser(Chooser replacement) {
    chooser() = std::move(replacement);
}
