#include <music/view/MusicListModel.h>

#include <outside/Textaid.h>
#include <shell/gui/TextAdapter.h>
#include <songbase/Songbase.h>
#include <ui/SkinContext.h>
#include <ui/SkinRoles.h>

#include <platform/Cp932.h>

namespace {

template <std::size_t N>
QString field(const char (&text)[N]) {
    return fromCp932(platform::fieldText(text, N));
}

QString genreName(int genre) {
    const QStringList& names = MusicListModel::GenreNames();
    return genre > 0 && genre < names.size() ? names[genre] : QString();
}

}  // namespace

MusicListModel::MusicListModel(QObject* parent)
    : QAbstractTableModel(parent),
      m_mp3(ui::SkinContext::ResourcePath("icon", QStringLiteral("track-mp3"))),
      m_wma(ui::SkinContext::ResourcePath("icon", QStringLiteral("track-wma"))) {}

const QStringList& MusicListModel::GenreNames() {
    static const QStringList names = [] {
        QStringList list{QString()};
        char name[CTextaid::kGenreNameSize];
        for (int genre = 1; genre <= CTextaid::kGenreCount; ++genre) {
            CTextaid::GenreIntToStr(genre, name);
            list.append(fromCp932(name));
        }
        return list;
    }();
    return names;
}

void MusicListModel::Show(int list) {
    beginResetModel();
    const int lists = CSongbase::GetPlayListCount();
    m_list = list < lists ? list : -1;
    m_rows = m_list >= 0 ? CSongbase::GetTrackCount(m_list) : lists;
    endResetModel();
}

bool MusicListModel::IsEditableColumn(int column) const {
    if (column == kNumber) return false;
    return ShowsTracks() ? column < kTagTrackNo : column < kPlayListColumns;
}

bool MusicListModel::IsGenreColumn(int column) const {
    return column == (ShowsTracks() ? int(kTrackGenre) : int(kPlayListGenre));
}

int MusicListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int MusicListModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return ShowsTracks() ? kTrackColumns : kPlayListColumns;
}

QVariant MusicListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows) return {};
    const int row = index.row();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return ShowsTracks() ? TrackCell(row, index.column()) : PlayListCell(row, index.column());
        case Qt::DecorationRole: {
            if (!ShowsTracks() || index.column() != 0) return {};
            Songbase_Track* track = nullptr;
            if (!CSongbase::GetTrackData(m_list, row, &track) || !track) return {};
            const int codec = track->master.codec ? track->master.codec : track->detail.codec;
            return codec == AVT_CODEC_MP3 ? m_mp3 : m_wma;
        }
        case ui::role::kItemData:
            return ShowsTracks() ? (m_list << 16) | (row & 0xFFFF) : (row << 16) | 0xFFFF;
        default:
            return {};
    }
}

QString MusicListModel::PlayListCell(int list, int column) const {
    AVT_Pl_PlInfo* info = nullptr;
    if (!CSongbase::GetPlayListInfo(list, &info) || !info) return {};
    switch (column) {
        case kTitle: return field(info->title);
        case kNumber: return QString::number(list + 1);
        case kReading: return field(info->titleReading);
        case kArtist: return field(info->artist);
        case kArtistReading: return field(info->artistReading);
        case kPlayListGenre: return genreName(info->genre);
        case kReleaseYear: return field(info->releaseYear);
        default: return {};
    }
}

QString MusicListModel::TrackCell(int track, int column) const {
    Songbase_Track* record = nullptr;
    if (!CSongbase::GetTrackData(m_list, track, &record) || !record) return {};
    const AVT_Tk_DetailInfo& detail = record->detail;
    switch (column) {
        case kTitle: return field(detail.title);
        case kNumber: return QString::number(detail.trackNo);
        case kReading: return field(detail.titleReading);
        case kArtist: return field(detail.artist);
        case kTrackGenre: return genreName(detail.genre);
        case kTagTrackNo: return record->tagTrackNo ? QString::number(record->tagTrackNo) : QString();
        default: return {};
    }
}

QVariant MusicListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole) {
        if (section == kNumber) return int(Qt::AlignRight | Qt::AlignVCenter);
        if (ShowsTracks() && section == kTagTrackNo) return int(Qt::AlignCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) return {};
    static const char* const playLists[kPlayListColumns] = {
        "アルバムタイトル ", "№ ", "よみ ", "アーティスト ", "アーティストよみ ", "ジャンル ",
        "発売年 "};
    static const char* const tracks[kTrackColumns] = {
        "トラックタイトル ", "№ ", "よみ ", "アーティスト ", "ジャンル ", "トラック№ "};
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromUtf8(ShowsTracks() ? tracks[section] : playLists[section]);
}

Qt::ItemFlags MusicListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (IsEditableColumn(index.column())) flags |= Qt::ItemIsEditable;
    return flags;
}

bool MusicListModel::setData(const QModelIndex& index, const QVariant&, int role) {
    // The view's end-edit handler has stored the field; the cells read it from the store.
    if (role != Qt::EditRole || !index.isValid()) return false;
    Q_EMIT dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(columnCount() - 1));
    return true;
}
