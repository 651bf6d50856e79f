#pragma once
// MusicTreeModel: the playlist tree of the music view: one root item "PLAYLIST" with one child
// per playlist of the store, labelled with its title. Labels are read from the store when shown,
// so a refill costs nothing but a reset. Item data: (playlist << 16) | 0xFFFF; the root has none.
// A label edited in place is handed to the view's end-edit handler, which stores it.
#include <QAbstractItemModel>

class MusicTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    static constexpr const char* kRootLabel = "PLAYLIST";

    explicit MusicTreeModel(QObject* parent = nullptr);

    // Re-reads the store (UPDATE).
    void Refill();
    QModelIndex RootIndex() const { return index(0, 0); }
    QModelIndex PlayListIndex(int list) const;
    // The playlist of an index: -1 for the root or an invalid index.
    static int PlayListOf(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction | Qt::MoveAction; }

private:
    int m_count = 0;
};
