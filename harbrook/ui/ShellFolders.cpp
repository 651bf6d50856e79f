#include <ui/ShellFolders.h>

#include <ui/MimeTypeNames.h>

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

DirHandle openFolder(const QString& folder) {
    return DirHandle(::opendir(QFile::encodeName(folder).constData()));
}

bool isDotEntry(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// What an entry is after following a symbolic link; false when it cannot be examined (a link
// whose target is missing, for one).
struct EntryStat {
    bool isLink = false;
    struct stat target {};
};
bool examine(DIR* dir, const char* name, EntryStat& out) {
    struct stat own {};
    if (::fstatat(::dirfd(dir), name, &own, AT_SYMLINK_NOFOLLOW) != 0) return false;
    out.isLink = S_ISLNK(own.st_mode);
    if (!out.isLink) {
        out.target = own;
        return true;
    }
    return ::fstatat(::dirfd(dir), name, &out.target, 0) == 0;
}

// Whether an entry is a folder, asking the file system only when the directory entry cannot tell.
bool entryIsFolder(DIR* dir, const dirent* entry) {
    if (entry->d_type == DT_DIR) return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) return false;
    struct stat target {};
    return ::fstatat(::dirfd(dir), entry->d_name, &target, 0) == 0 && S_ISDIR(target.st_mode);
}

bool hasSubFolder(const QString& folder) {
    const DirHandle dir = openFolder(folder);
    if (!dir) return false;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!isDotEntry(entry->d_name) && entryIsFolder(dir.get(), entry)) return true;
    }
    return false;
}

bool hasExtension(const QString& name, std::initializer_list<const char*> extensions) {
    return std::any_of(extensions.begin(), extensions.end(), [&name](const char* extension) {
        return name.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
    });
}

bool isMusicName(const QString& name) {
    return hasExtension(name, {".mp3", ".wma"});
}
bool isArchiveName(const QString& name) {
    return hasExtension(name, {".zip", ".cab", ".lzh"});
}

qint64 modifiedNs(const struct stat& st) {
    return static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

template <typename T>
int compareValues(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

CShellFolders::CShellFolders() : CShellFolders(ui::MountedVolumes::List()) {}

CShellFolders::CShellFolders(std::vector<ui::Volume> volumes) : m_volumes(std::move(volumes)) {
    // The counterparts of the hidden special folders: places that hold no files of the user's.
    m_hidden = {QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev")};
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty()) m_hidden.push_back(QDir::cleanPath(data + QStringLiteral("/Trash")));
}

QString CShellFolders::ChildPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

ShellItem CShellFolders::RootItem(const QString& path, const QString& name, const QString& iconName,
                                  ui::DriveType drive) {
    ShellItem root;
    root.path = QDir::cleanPath(QDir(path).absolutePath());
    root.name = name;
    root.isFolder = true;
    root.drive = drive;
    root.hasSubFolders = hasSubFolder(root.path);
    root.typeName = MimeTypeNames::ForFolder().typeName;
    root.iconName = iconName;
    return root;
}

std::vector<ShellItem> CShellFolders::Roots() const {
    std::vector<ShellItem> roots;
    auto add = [&](const QString& location, const QString& name, const char* icon) {
        if (location.isEmpty() || !QFileInfo(location).isDir()) return;
        ShellItem root =
            RootItem(location, name, QString::fromLatin1(icon), ui::DriveType::kUnknown);
        root.drive = DriveType(root.path);
        const bool repeated = std::any_of(roots.begin(), roots.end(), [&root](const ShellItem& r) {
            return r.path == root.path;
        });
        if (!repeated) roots.push_back(std::move(root));
    };
    add(QDir::homePath(), QStringLiteral("ホーム"), "user-home");
    add(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        QStringLiteral("デスクトップ"), "user-desktop");
    add(QStandardPaths::writableLocation(QStandardPaths::MusicLocation),
        QStringLiteral("ミュージック"), "folder-music");
    add(QStringLiteral("/"), QStringLiteral("ファイルシステム"), "drive-harddisk");
    for (const ui::Volume& volume : m_volumes) {
        if (volume.type == ui::DriveType::kRemovable) {
            add(volume.root, volume.name, "drive-removable-media");
        } else if (volume.type == ui::DriveType::kCdRom) {
            add(volume.root, volume.name, "media-optical");
        }
    }
    return roots;
}

bool CShellFolders::IsExcluded(const QString& path) const {
    return m_hidden.contains(path);
}

ui::DriveType CShellFolders::DriveType(const QString& path) const {
    for (const ui::Volume& volume : m_volumes) {
        if (volume.root == path) return volume.type;
    }
    return ui::DriveType::kUnknown;
}

bool CShellFolders::IsDriveRoot(const QString& path) const {
    return DriveType(path) != ui::DriveType::kUnknown;
}

bool CShellFolders::IsRemovableOrCdRoot(const QString& path) const {
    const ui::DriveType type = DriveType(path);
    return type == ui::DriveType::kRemovable || type == ui::DriveType::kCdRom;
}

bool CShellFolders::OnRemovableVolume(const QString& path) const {
    const ui::Volume* volume = ui::MountedVolumes::Containing(m_volumes, path);
    return volume &&
           (volume->type == ui::DriveType::kRemovable || volume->type == ui::DriveType::kCdRom);
}

bool CShellFolders::ResolvesToFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() && info.isDir();
}

int CShellFolders::EnumFolders(const QString& folder, std::vector<ShellItem>& items,
                               std::stop_token stop) const {
    items.clear();
    const DirHandle dir = openFolder(folder);
    if (!dir) return -1;
    const MimeTypeNames::Entry folderType = MimeTypeNames::ForFolder();
    while (const dirent* entry = ::readdir(dir.get())) {
        if (stop.stop_requested()) return -1;
        if (isDotEntry(entry->d_name) || !entryIsFolder(dir.get(), entry)) continue;
        ShellItem item;
        item.name = QFile::decodeName(entry->d_name);
        item.path = ChildPath(folder, item.name);
        if (IsExcluded(item.path)) continue;
        item.isFolder = true;
        item.isLink = entry->d_type == DT_LNK ||
                      (entry->d_type == DT_UNKNOWN && QFileInfo(item.path).isSymLink());
        item.drive = DriveType(item.path);
        item.hasSubFolders = hasSubFolder(item.path);
        item.typeName = folderType.typeName;
        item.iconName = folderType.iconName;
        items.push_back(std::move(item));
    }
    Sort(items, kSortName);
    return static_cast<int>(items.size());
}

int CShellFolders::EnumFiles(const QString& folder, std::vector<ShellItem>& items, int sortColumn,
                             std::stop_token stop) const {
    items.clear();
    if (QFile::encodeName(folder).size() > kMaxPathBytes) return 0;
    const DirHandle dir = openFolder(folder);
    if (!dir) return -1;
    const bool listEverything = OnRemovableVolume(folder);
    while (const dirent* entry = ::readdir(dir.get())) {
        if (stop.stop_requested()) return -1;
        if (isDotEntry(entry->d_name)) continue;
        const QString name = QFile::decodeName(entry->d_name);
        const bool music = isMusicName(name);
        if (!listEverything && isArchiveName(name)) continue;
        // The directory entry tells folders from files; only links, and entries whose kind the
        // file system does not report, are looked up (a look-up costs more than the rest).
        bool isFolder = entry->d_type == DT_DIR;
        bool isLink = false;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            EntryStat st;
            if (!examine(dir.get(), entry->d_name, st)) continue;  // a link that leads nowhere
            isFolder = S_ISDIR(st.target.st_mode);
            isLink = st.isLink;
        }
        if (!listEverything && !music && !isFolder) continue;
        ShellItem item;
        item.name = name;
        item.path = ChildPath(folder, name);
        if (IsExcluded(item.path)) continue;
        item.isFolder = isFolder;
        item.isLink = isLink;
        const MimeTypeNames::Entry type =
            isFolder ? MimeTypeNames::ForFolder() : MimeTypeNames::ForFile(name);
        item.typeName = type.typeName;
        item.iconName = type.iconName;
        if (isFolder) item.drive = DriveType(item.path);
        items.push_back(std::move(item));
    }
    Sort(items, sortColumn);
    return static_cast<int>(items.size());
}

void CShellFolders::ReadDetails(ShellItem& item) {
    if (item.hasDetails) return;
    item.hasDetails = true;
    struct stat st {};
    if (item.isFolder || ::stat(QFile::encodeName(item.path).constData(), &st) != 0) return;
    item.size = static_cast<qint64>(st.st_size);
    item.modifiedNs = modifiedNs(st);
}

void CShellFolders::Sort(std::vector<ShellItem>& items, int column) {
    if (column == kSortSize || column == kSortModified) {
        for (ShellItem& item : items) ReadDetails(item);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    auto less = [&collator, column](const ShellItem& a, const ShellItem& b) {
        if (a.IsDriveRoot() != b.IsDriveRoot()) return a.IsDriveRoot();
        if (a.isFolder != b.isFolder) return a.isFolder;
        int order = 0;
        switch (column) {
            case kSortSize:
                order = compareValues(a.size, b.size);
                break;
            case kSortType:
                order = collator.compare(a.typeName, b.typeName);
                break;
            case kSortModified:
                order = compareValues(a.modifiedNs, b.modifiedNs);
                break;
            default:
                break;
        }
        if (order == 0) order = collator.compare(a.name, b.name);
        // Names that the locale holds equal still have one order, so that a folder read twice
        // comes out the same.
        return order != 0 ? order < 0 : a.name < b.name;
    };
    std::sort(items.begin(), items.end(), less);
}
