#pragma once
// FileListModel: the PC file list. Fill() reads a folder on a worker thread with the list's filter
// and order (CShellFolders::EnumFiles) and swaps the rows in when the result is back, so a folder
// of ten thousand files never holds up the window; a newer Fill() supersedes an older one. The
// folder shown is watched for changes (the folder-change message to the notify target).
//
// Columns: name, size in KB rounded up, type name, last write time. Descending order is the exact
// reverse of the ascending one. Rows can be dragged out as file URLs.
#include <ui/ItemIdList.h>
#include <ui/ShellItem.h>
#include <ui/WorkQueue.h>

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

namespace platform {
class MessageTarget;
}

class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kName = 0, kSize = 1, kType = 2, kModified = 3, kColumnCount = 4 };
    enum Role { kPathRole = Qt::UserRole + 1, kIsFolderRole };

    explicit FileListModel(QObject* parent = nullptr);
    ~FileListModel() override;

    // Starts reading `folder`; filled() reports the outcome. On success the rows show its entries
    // and it becomes the folder shown; when it cannot be read the list is emptied and the folder
    // shown stays what it was.
    void Fill(const QString& folder);
    // Reads the folder shown again.
    void Refresh();
    bool IsFilling() const { return m_filling; }
    const CItemIdList& Folder() const { return m_folder; }
    // Where the folder shown reports its changes; null for nowhere.
    void SetNotifyTarget(platform::MessageTarget* target);

    // Sizes and times may not be read yet (CShellFolders::ReadDetails).
    const ShellItem& Item(int row) const { return m_items[static_cast<std::size_t>(row)]; }
    // The row showing `path`, or -1.
    int RowOf(const QString& path) const;
    int SortColumn() const { return m_sortColumn; }
    Qt::SortOrder SortOrder() const { return m_sortOrder; }

    // Column texts: "<n> KB" with n rounded up; "yyyy/mm/dd h:mm" in local time.
    static QString SizeText(qint64 bytes);
    static QString TimeText(qint64 modifiedNs);
    static QString Title(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

Q_SIGNALS:
    void filled(bool ok);

private:
    void Apply(const QString& folder, std::vector<ShellItem> items, bool ok,
               std::uint64_t generation, int sortedBy);

    // In display order. Mutable: sizes and times are read when a row first shows them.
    mutable std::vector<ShellItem> m_items;
    CItemIdList m_folder;
    platform::MessageTarget* m_notifyTarget = nullptr;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_filling = false;
    std::uint64_t m_generation = 0;
    ui::WorkQueue m_queue;  // last: stopped before the rest goes
};
