#include <music/view/MusicInfoDlg.h>

#include <music/view/MusicListModel.h>
#include <shell/gui/TextAdapter.h>
#include <ui/SkinButton.h>
#include <ui/SkinIds.h>

#include <platform/Cp932.h>

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QPushButton>

namespace {

constexpr int kLabelWidth = 128;
constexpr int kValueWidth = 230;
constexpr int kRowHeight = 22;
constexpr int kMargin = 14;
constexpr int kOkId = 1;

template <std::size_t N>
QString text(const char (&field)[N]) {
    return fromCp932(platform::fieldText(field, N));
}

QString duration(const MusicProperties& properties) {
    return QStringLiteral("%1分%2秒")
        .arg(properties.minutes)
        .arg(properties.seconds, 2, 10, QLatin1Char('0'));
}

QString genre(const MusicProperties& properties) {
    const QStringList& names = MusicListModel::GenreNames();
    return properties.genre < names.size() ? names[properties.genre] : QString();
}

QString format(const MusicProperties& properties) {
    const QString codec = properties.codec == 1 ? QStringLiteral("MP3") : QStringLiteral("WMA");
    if (properties.bitRate == 0xFFFF) return codec + QStringLiteral(" 可変ビットレート");
    return QStringLiteral("%1 %2kbps").arg(codec).arg(properties.bitRate);
}

QString fileDate(const MusicProperties& properties) {
    if (properties.fileYear == 0) return {};
    return QStringLiteral("%1/%2/%3")
        .arg(properties.fileYear)
        .arg(properties.fileMonth, 2, 10, QLatin1Char('0'))
        .arg(properties.fileDay, 2, 10, QLatin1Char('0'));
}

}  // namespace

CMusicInfoDlg::CMusicInfoDlg(int templateId, const QString& caption, const Rows& rows,
                             QWidget* parent)
    : CSkinDialog(templateId, parent), m_rows(rows) {
    SetCaption(caption);
    int top = kMargin;
    for (const auto& row : rows) {
        auto* label = new QLabel(QStringLiteral("&b") + row.first, this);
        label->setGeometry(kMargin, top, kLabelWidth, kRowHeight);
        auto* value = new QLabel(row.second, this);
        value->setGeometry(kMargin + kLabelWidth, top, kValueWidth, kRowHeight);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        top += kRowHeight;
    }
    const int width = kMargin * 2 + kLabelWidth + kValueWidth;
    AddOkButton(this, QRect(width - kMargin - 80, top + 10, 80, 24));
    resize(width, top + 10 + 24 + 12);
}

void CMusicInfoDlg::AddOkButton(CSkinDialog* dialog, const QRect& rect) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setGeometry(rect);
    SetItemId(ok, kOkId);
    auto* skinned = new CSkinButton(dialog);
    if (!skinned->ReplaceDialogItem(kOkId, dialog, ui::image::kButtonOk)) {
        delete skinned;
        connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    }
}

CMusicInfoDlg::Rows CMusicInfoDlg::PropertyRows(const MusicProperties& properties, bool track) {
    Rows rows{{QStringLiteral("タイトル"), text(properties.title)},
              {QStringLiteral("読み"), text(properties.reading)},
              {QStringLiteral("アーティスト"), text(properties.artist)},
              {QStringLiteral("ジャンル"), genre(properties)},
              {QStringLiteral("録音時間"), duration(properties)}};
    if (track) {
        rows.append({QStringLiteral("録音日"), fileDate(properties)});
        rows.append({QStringLiteral("録音フォーマット"), format(properties)});
    } else {
        rows.append({QStringLiteral("曲数"), QStringLiteral("%1曲").arg(properties.trackCount)});
        rows.append({QStringLiteral("発売年"), text(properties.releaseYear)});
    }
    return rows;
}

CMusicInfoDlg::Rows CMusicInfoDlg::FileRows(const QString& path) {
    const QFileInfo file(path);
    const QLocale locale;
    Rows rows{{QStringLiteral("名前"), file.fileName().isEmpty() ? path : file.fileName()},
              {QStringLiteral("種類"), file.isDir() ? QStringLiteral("フォルダ")
                                                    : QMimeDatabase().mimeTypeForFile(file).comment()},
              {QStringLiteral("場所"), file.absolutePath()}};
    if (!file.isDir()) {
        rows.append({QStringLiteral("サイズ"),
                     QStringLiteral("%1 バイト").arg(locale.toString(file.size()))});
    }
    rows.append({QStringLiteral("更新日時"),
                 file.lastModified().toString(QStringLiteral("yyyy/MM/dd HH:mm"))});
    return rows;
}

std::unique_ptr<CMusicInfoDlg> CMusicInfoDlg::ForProperties(const MusicProperties& properties,
                                                            bool track, QWidget* parent) {
    return std::make_unique<CMusicInfoDlg>(
        track ? kTrackTemplate : kPlayListTemplate,
        track ? QStringLiteral("トラックのプロパティ") : QStringLiteral("プレイリストのプロパティ"),
        PropertyRows(properties, track), parent);
}

int CMusicInfoDlg::ShowProperties(const MusicProperties& properties, bool track, QWidget* parent) {
    return ForProperties(properties, track, parent)->exec();
}

int CMusicInfoDlg::ShowFile(const QString& path, QWidget* parent) {
    CMusicInfoDlg dialog(kFileTemplate, QStringLiteral("プロパティ"), FileRows(path), parent);
    return dialog.exec();
}
