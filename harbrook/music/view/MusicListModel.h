#pragma once
// MusicListModel: the transfer list of the music view: the playlists (seven columns) when the
// tree's root is selected, or the tracks of one playlist (six columns, MP3 and WMA row icons).
// Cells are read from the store when shown, so a refill costs nothing but a reset. Item data:
// (playlist << 16) | (track & 0xFFFF), with 0xFFFF for a playlist row. Edits go through the
// view's end-edit handler, which stores them; the model only tells the list to repaint.
#include <music/MusicProperties.h>

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>

class MusicListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Columns of the playlist rows; track rows have the first five and the tag track number.
    enum Column {
        kTitle = 0,
        kNumber = 1,
        kReading = 2,
        kArtist = 3,
        kArtistReading = 4,  // playlists
        kPlayListGenre = 5,
        kReleaseYear = 6,
        kTrackGenre = 4,
        kTagTrackNo = 5,
    };
    static constexpr int kPlayListColumns = 7;
    static constexpr int kTrackColumns = 6;

    explicit MusicListModel(QObject* parent = nullptr);

    // The genre names by code, 0 (no genre) to 15; the genre cells offer them.
    static const QStringList& GenreNames();

    // Shows the playlists (list -1) or the tracks of `list`, read afresh from the store.
    void Show(int list);
    void Refill() { Show(m_list); }
    bool ShowsTracks() const { return m_list >= 0; }
    int PlayList() const { return m_list; }
    // The store playlist or track a row stands for.
    int PlayListOfRow(int row) const { return ShowsTracks() ? m_list : row; }
    // The property field an edited column stands for (kNumber and kTagTrackNo stand for none).
    bool IsEditableColumn(int column) const;
    bool IsGenreColumn(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QString PlayListCell(int list, int column) const;
    QString TrackCell(int track, int column) const;

    int m_list = -1;
    int m_rows = 0;
    QIcon m_mp3;
    QIcon m_wma;
};
