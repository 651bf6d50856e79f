#pragma once
// FolderTreeModel: the PC folder tree. Its top level is CShellFolders::Roots(); a folder that has
// sub-folders carries one empty placeholder child until it is expanded, so the view shows an
// expand button. Expand() reads the sub-folders on a worker thread and puts them in place of the
// placeholder; every folder read is watched for changes (the folder-change message to the notify
// target). Refresh() reads the roots and every read folder again and keeps the items that are still
// there, so expansion and selection survive.
#include <ui/ItemIdList.h>
#include <ui/ShellItem.h>
#include <ui/WorkQueue.h>

#include <QAbstractItemModel>
#include <QHash>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace platform {
class MessageTarget;
}

class FolderTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Role { kPathRole = Qt::UserRole + 1 };

    // Gives the top-level items; CShellFolders::Roots() unless set.
    using RootSource = std::function<std::vector<ShellItem>()>;
    explicit FolderTreeModel(QObject* parent = nullptr, RootSource roots = {});
    ~FolderTreeModel() override;

    // Where read folders report their changes; null for nowhere. Set before the first Expand().
    void SetNotifyTarget(platform::MessageTarget* target) { m_notifyTarget = target; }

    // Starts reading a folder's sub-folders unless they are read or being read; folderRead()
    // reports the outcome. A folder that cannot be read loses its expand button.
    void Expand(const QModelIndex& index);
    void Refresh();
    // Walks from the roots towards `path`, reading folders on the way, and reports the deepest
    // item reached with revealed(); `exact` when that is the folder itself. A newer call replaces
    // an unfinished one.
    void Reveal(const QString& path);
    bool IsReading() const { return m_reading > 0; }

    // The item shown for `path`, searched among the folders read so far; the deepest root that
    // holds the path is searched first.
    QModelIndex IndexOf(const QString& path) const;
    const ShellItem* Item(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

Q_SIGNALS:
    void folderRead(const QModelIndex& index, bool ok);
    void revealed(const QModelIndex& index, bool exact);

private:
    struct Node;
    Node* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOfNode(const Node* node) const;
    std::unique_ptr<Node> MakeNode(ShellItem item, Node* parent);
    static std::unique_ptr<Node> MakePlaceholder(Node* parent);
    void Forget(Node* node);
    void Read(Node* node);
    void Apply(std::uint64_t id, std::vector<ShellItem> items, bool ok);
    // Makes a node's children the given items, keeping the nodes of items that remain.
    void Merge(Node* node, std::vector<ShellItem> items);
    void SetPlaceholder(Node* node, bool wanted);
    const Node* Find(const Node* from, const QString& path) const;
    // The top-level item holding `path` with the longest path, or null.
    const Node* DeepestRoot(const QString& path) const;
    void ContinueReveal();
    void FinishReveal(const Node* node, bool exact);

    RootSource m_rootSource;
    std::unique_ptr<Node> m_root;  // invisible; its children are the roots
    QHash<std::uint64_t, Node*> m_nodes;
    std::uint64_t m_nextId = 1;
    int m_reading = 0;
    QString m_revealTarget;
    platform::MessageTarget* m_notifyTarget = nullptr;
    ui::WorkQueue m_queue;  // last: stopped before the rest goes
};
