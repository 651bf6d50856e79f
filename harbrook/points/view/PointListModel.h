#pragma once
// PointListModel: the point list over the point store. Its rows are the view's row list (the slot
// shown by each row); every cell is read from the store when the rows are rebuilt (UPDATE), so
// the store stays the one holder of the points. Column 0 shows the state icon, columns 1 to 4 the
// name, reading, telephone number and group name; edits of columns 1 to 3 go to the store.
#include <points/PointRowList.h>

#include <QAbstractTableModel>
#include <QPixmap>
#include <QStringList>

#include <array>
#include <vector>

namespace points {
class CPointData;
}

class PointListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The row's slot (also the list's item data) and its state.
    static constexpr int kSlotRole = Qt::UserRole + 1;
    static constexpr int kStateRole = Qt::UserRole + 2;

    explicit PointListModel(points::CPointData& store, QObject* parent = nullptr);

    points::CPointData& Store() const { return m_store; }
    const points::PointRowList& Rows() const { return m_rows; }
    // The slot of `row`, or -1.
    int SlotAt(int row) const { return m_rows.SlotAt(row); }
    // Names of groups 0 to 10, as the group column's drop-down offers them.
    const QStringList& GroupNames() const { return m_groupNames; }
    // The state icons (33 × 13): 0 none, 1 on the unit, 2 saved on the PC, 3 new or changed.
    const QPixmap& StateIcon(int state) const;

    // UPDATE: fills an empty row list from the store, drops rows whose point is gone, rereads the
    // group names and every row, and reports only what changed.
    void Update();
    // Empties the row list (the next Update fills it in the store's order).
    void ClearRows();
    // Row list edits, each followed by Update.
    void AppendSlot(int slot);
    void InsertSlot(int row, int slot);
    void RemoveRow(int row);
    // Moves the row's point to group 0 to 10.
    bool SetGroup(int row, int group);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Columns 1 to 3: a checked text (see PrepareListText) stored into the row's point.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

Q_SIGNALS:
    // An update has ended (the group names may have changed).
    void updated();

private:
    struct Shown {
        int slot = -1;
        int state = 0;
        std::array<QString, 4> texts;  // columns 1 to 4
        bool operator==(const Shown&) const = default;
    };
    Shown ReadRow(int slot) const;
    void LoadIcons();

    points::CPointData& m_store;
    points::PointRowList m_rows;
    std::vector<Shown> m_shown;
    QStringList m_groupNames;
    std::array<QPixmap, 4> m_icons;
};
