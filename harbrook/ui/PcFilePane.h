#pragma once
// CPcFilePane: the PC file pane of the music transfer view: the folder tree (59648, caption
// "  デスクトップ内のフォルダ") beside the file list (59649) in a CSplitPane.
//
// Choosing a folder in the tree, or opening one in the list, shows it in the list; the tree
// follows to the folder shown. A folder that cannot be read empties the list and leaves the folder
// shown, the tree's selection and the saved folder as they were. The folder shown is saved in the
// ShellFolders form (CItemIdList::ToHex) into the settings string given.
#include <ui/FileListModel.h>
#include <ui/FolderTreeModel.h>
#include <ui/SplitPane.h>

#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class MessageTarget;
}

class CPcFilePane : public CSplitPane {
    Q_OBJECT
public:
    static constexpr int kTreeId = 59648;
    static constexpr int kListId = 59649;
    static constexpr int kColumnCount = FileListModel::kColumnCount;
    static const char* const kCaption;

    // `ratio`, `widths` and `shellFolders` are the FileSplit, FileColumn and ShellFolders settings.
    CPcFilePane(float& ratio, std::vector<std::uint32_t>& widths, std::string& shellFolders,
                QWidget* parent = nullptr, FolderTreeModel::RootSource roots = {});

    // Where folder changes are reported (the main frame); the skin context's command target
    // unless set.
    void SetNotifyTarget(platform::MessageTarget* target);
    // Shows the saved folder (start-up), if there is one.
    void RestoreFolder();
    // Shows `folder` in the list and selects it in the tree.
    void ShowFolder(const QString& folder);
    // Reads the tree and the list again, keeping the list's selection where the items remain.
    void Refresh();

    // The folder the list shows (empty before the first).
    QString CurrentFolder() const { return m_files->Folder().Path(); }
    // The list's selected items, top to bottom.
    std::vector<ShellItem> SelectedItems() const;
    // The tree's selected folder, or empty.
    QString TreeFolder() const;

    FileListModel* Files() const { return m_files; }
    FolderTreeModel* Folders() const { return m_folders; }
    CSkinTree* FolderTree() const { return Tree(); }
    CSkinList* FileList() const { return List(); }

Q_SIGNALS:
    // The list shows `folder` (after ShowFolder, a tree click, opening a folder, or Refresh).
    void folderShown(const QString& folder);

private:
    void OnFilled(bool ok);
    void OnRevealed(const QModelIndex& index, bool exact);
    void OnTreeSelection();
    void OnListActivated(const QModelIndex& index);
    void Fill(const QString& folder);

    std::string& m_shellFolders;
    FileListModel* m_files;
    FolderTreeModel* m_folders;
    QStringList m_reselect;  // list selection to restore after a refresh
    bool m_targetSet = false;
};
