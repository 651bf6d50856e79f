#pragma once
// MyDbTableModel: the myDB editor's grid as a table model over the myDB store: one item per store
// row and, while the store has room, the new-row item at the end; nine columns, one per field.
// The store stays the only holder of the rows: cells are read from it when they are painted.
#include <mydb/MyDbGrid.h>

#include <QAbstractTableModel>
#include <QStringList>

class MyDbTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MyDbTableModel(const CMyDbData& store, QObject* parent = nullptr);

    // Column captions (each ends in a space).
    static QStringList Captions();

    const MyDbGrid& Grid() const { return m_grid; }
    // The item data of an item: its row index, or MyDbGrid::kNewRowItem.
    int ItemData(int item) const { return m_grid.ItemRow(item); }

    // Brings the items in line with the store after a change: items are added or removed at the
    // end and every cell is refreshed, so the view keeps its scroll position and the selection
    // stays on the same item positions.
    void Rebuild();
    // Starts the items afresh (a file was opened or the store emptied): views drop their
    // selection and scroll position.
    void Reset();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const CMyDbData& m_store;
    MyDbGrid m_grid;
    int m_items = 0;  // the item count the views know of
};
