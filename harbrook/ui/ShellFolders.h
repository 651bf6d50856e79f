#pragma once
// CShellFolders: the PC's folders as the folder tree and the file list see them. It knows the
// tree's roots (home, desktop, music, "/" and the mounted removable volumes), the places never
// shown (the kernel's virtual file systems, the trash), the volume roots and which of them are
// removable or optical, and reads a folder's entries with the file list's filter and order.
//
// A snapshot: the volumes are read when it is made, so a fresh object goes with every enumeration.
// Its const operations may run on any thread.
#include <ui/MountedVolumes.h>
#include <ui/ShellItem.h>

#include <QStringList>

#include <stop_token>
#include <vector>

class CShellFolders {
public:
    enum SortColumn { kSortName = 0, kSortSize = 1, kSortType = 2, kSortModified = 3 };
    // A folder whose path is longer than this (in bytes) shows no files.
    static constexpr int kMaxPathBytes = 259;

    // The volumes mounted now.
    CShellFolders();
    explicit CShellFolders(std::vector<ui::Volume> volumes);

    // The folder tree's top-level items, in order; places that do not exist, or repeat an
    // earlier one, are left out.
    std::vector<ShellItem> Roots() const;
    // A top-level folder item for `path` (made absolute and clean), shown as `name`.
    static ShellItem RootItem(const QString& path, const QString& name, const QString& iconName,
                              ui::DriveType drive = ui::DriveType::kUnknown);

    // A folder's sub-folders (links to folders included), with hasSubFolders, sorted by name: the
    // count, or -1 when the folder cannot be read or `stop` was requested.
    int EnumFolders(const QString& folder, std::vector<ShellItem>& items,
                    std::stop_token stop = {}) const;
    // A folder's entries for the file list: every entry on a removable or optical volume;
    // elsewhere ".mp3" and ".wma" files and folders (and links to folders), archives never. In
    // ascending order of `sortColumn`; the count, or -1 as above. Sizes and times are read only
    // when the order needs them (ReadDetails reads them later).
    int EnumFiles(const QString& folder, std::vector<ShellItem>& items, int sortColumn,
                  std::stop_token stop = {}) const;

    bool IsExcluded(const QString& path) const;
    bool IsDriveRoot(const QString& path) const;
    bool IsRemovableOrCdRoot(const QString& path) const;
    // The kind of the volume whose root `path` is; kUnknown when it is no volume's root.
    ui::DriveType DriveType(const QString& path) const;
    // True for a symbolic link whose target is a folder.
    static bool ResolvesToFolder(const QString& path);

    // Reads a file's size and last write time unless they are known (following a link).
    static void ReadDetails(ShellItem& item);
    // Ascending: volume roots first, then folders, then `column`; ties go by name. Names and type
    // names compare in the user's locale, ignoring case.
    static void Sort(std::vector<ShellItem>& items, int column);
    // A folder path's child: "/" + "a" is "/a".
    static QString ChildPath(const QString& folder, const QString& name);

private:
    bool OnRemovableVolume(const QString& path) const;

    std::vector<ui::Volume> m_volumes;
    QStringList m_hidden;
};
