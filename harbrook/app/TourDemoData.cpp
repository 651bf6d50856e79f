#include "TourDemoData.h"

#include <mydb/MyDbData.h>
#include <mydb/MyDbRow.h>
#include <shell/gui/TextAdapter.h>
#include <ui/SkinContext.h>
#include <ui/SkinList.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QStandardItemModel>

#include <vector>

// An album folder as a user might keep it: music files of album size, two sub-folders, and
// files the list leaves out (lyrics, an archive).
bool makeDemoAlbum(const QString& folder) {
    const struct {
        const char* name;
        qint64 bytes;
        int daysAgo;
    } files[] = {{"01 朝の海.mp3", 4823552, 30},   {"02 Harbour Lights.mp3", 5211340, 30},
                 {"03 しおさい.wma", 3998720, 29}, {"04 Night Drive.mp3", 6120448, 29},
                 {"05 灯台.MP3", 4410368, 12},     {"06 Coastline (Live).wma", 7340032, 2},
                 {"歌詞.txt", 2048, 30},           {"album.zip", 30408704, 30}};
    const QDateTime now = QDateTime::currentDateTime();
    for (const auto& file : files) {
        QFile out(QDir(folder).filePath(QString::fromUtf8(file.name)));
        if (!out.open(QIODevice::WriteOnly) || !out.resize(file.bytes)) return false;
        out.setFileTime(now.addDays(-file.daysAgo).addSecs(-3600 * file.daysAgo),
                        QFileDevice::FileModificationTime);
    }
    return QDir(folder).mkpath(QStringLiteral("ボーナストラック")) &&
           QDir(folder).mkpath(QStringLiteral("Live 2023/Disc 1"));
}

// A transfer list of tracks as the music view shows them: six columns, MP3 and WMA icons; the
// six demonstration tracks `copies` times.
void fillTracks(QStandardItemModel& model, int copies) {
    model.setHorizontalHeaderLabels({QStringLiteral("トラックタイトル "), QStringLiteral("№ "),
                                     QStringLiteral("よみ "), QStringLiteral("アーティスト "),
                                     QStringLiteral("ジャンル "), QStringLiteral("トラック№ ")});
    model.setHeaderData(1, Qt::Horizontal, int(Qt::AlignRight), Qt::TextAlignmentRole);
    model.setHeaderData(5, Qt::Horizontal, int(Qt::AlignCenter), Qt::TextAlignmentRole);
    const struct {
        const char* title;
        const char* reading;
        const char* artist;
        const char* genre;
        int tag;
        bool wma;
    } tracks[] = {
        {"海辺の朝", "うみべのあさ", "港町バンド", "J-POP", 1, false},
        {"Harbour Lights", "はーばーらいつ", "The Quay", "ロック/ポップス", 2, false},
        {"夜明けのドライブ", "よあけのどらいぶ", "港町バンド", "J-POP", 3, true},
        {"青い信号", "あおいしんごう", "Blue Signal", "ジャズ", 0, true},
        {"Coastline", "こーすとらいん", "The Quay", "ロック/ポップス", 5, false},
        {"灯台", "とうだい", "港町バンド", "演歌/民謡", 6, false},
    };
    const QIcon mp3(ui::SkinContext::ResourcePath("icon", QStringLiteral("track-mp3")));
    const QIcon wma(ui::SkinContext::ResourcePath("icon", QStringLiteral("track-wma")));
    int number = 1;
    for (int copy = 0; copy < copies * 6; ++copy) {
        const auto& track = tracks[copy % 6];
        QList<QStandardItem*> row;
        row << new QStandardItem(track.wma ? wma : mp3, QString::fromUtf8(track.title))
            << new QStandardItem(QString::number(number++))
            << new QStandardItem(QString::fromUtf8(track.reading))
            << new QStandardItem(QString::fromUtf8(track.artist))
            << new QStandardItem(QString::fromUtf8(track.genre))
            << new QStandardItem(track.tag ? QString::number(track.tag) : QString());
        model.appendRow(row);
    }
}

// Shows `model` in `list` as the music view's track list does.
void showTracks(CSkinList& list, QStandardItemModel& model, QSize size) {
    list.resize(size);
    list.setModel(&model);
    list.SetImageSize(QSize(16, 16));
    list.SetColumnWidths({170, 30, 130, 110, 110, 60});
    list.show();
}

// A playlist tree: the root and one child per playlist.
void fillPlaylists(QStandardItemModel& model) {
    auto* root = new QStandardItem(QStringLiteral("PLAYLIST"));
    for (const char* title :
         {"ドライブ用", "Harbour Nights", "朝の通勤", "ジャズ名盤", "New Album"})
        root->appendRow(new QStandardItem(QString::fromUtf8(title)));
    model.appendRow(root);
}

// Two albums of the unit's myDB with their tracks, and a blank row between them.
void fillMyDb(CMyDbData& store) {
    const std::vector<std::vector<const char*>> rows = {
        {"#Playlist", "3", "港町ストーリー", "みなとまちすとーりー", "港町バンド", "J-POP", "2004",
         "みなとまちばんど", "港町物語"},
        {"#Track", "1", "海辺の朝", "うみべのあさ", "港町バンド", "J-POP"},
        {"#Track", "2", "夜明けのドライブ", "よあけのどらいぶ", "港町バンド", "J-POP"},
        {"#Track", "3", "灯台", "とうだい", "港町バンド", "演歌/民謡"},
        {},
        {"#Playlist", "2", "Harbour Lights", "はーばーらいつ", "The Quay", "ロック/ポップス",
         "1998", "ざきー", " "},
        {"#Track", "1", "Coastline", "こーすとらいん", "The Quay", "ロック/ポップス"},
        {"#Track", "2", "青い信号", "あおいしんごう", "Blue Signal", "ジャズ"},
    };
    store.RemoveAllRows();
    for (const auto& fields : rows) {
        MyDbRow row = mydb::blankRow();
        for (std::size_t f = 0; f < fields.size(); ++f) {
            mydb::setField(row, static_cast<MyDbField>(f), toCp932(QString::fromUtf8(fields[f])));
        }
        store.InsertRow(store.GetRowCount(), row);
    }
}
