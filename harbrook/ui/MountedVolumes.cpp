#include <ui/MountedVolumes.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace ui {
namespace {

bool isOneOf(const QString& value, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(),
                       [&value](const char* name) { return value == QLatin1String(name); });
}

// "1" in the device's own removable flag, or in its disk's when the device is a partition.
bool blockDeviceIsRemovable(const QString& device, const QString& sysBlock) {
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    if (name.isEmpty()) return false;
    QString dir = QFileInfo(sysBlock + QLatin1Char('/') + name).canonicalFilePath();
    if (dir.isEmpty()) return false;
    if (QFileInfo::exists(dir + QStringLiteral("/partition"))) dir = QFileInfo(dir).path();
    QFile flag(dir + QStringLiteral("/removable"));
    if (!flag.open(QIODevice::ReadOnly)) return false;
    return flag.read(1) == "1";
}

QStringList removableDirsFromEnvironment() {
    const QString value = QString::fromLocal8Bit(qgetenv("HARBROOK_REMOVABLE_DIRS"));
    return value.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

}  // namespace

DriveType MountedVolumes::TypeOf(const QString& device, const QString& fileSystem,
                                 const QString& sysBlock) {
    if (isOneOf(fileSystem, {"iso9660", "udf"}) || device.startsWith(QLatin1String("/dev/sr"))) {
        return DriveType::kCdRom;
    }
    if (isOneOf(fileSystem, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "afs", "fuse.sshfs"})) {
        return DriveType::kRemote;
    }
    if (isOneOf(fileSystem, {"tmpfs", "ramfs"})) return DriveType::kRamDisk;
    if (device.startsWith(QLatin1String("/dev/")) && blockDeviceIsRemovable(device, sysBlock)) {
        return DriveType::kRemovable;
    }
    return DriveType::kFixed;
}

std::vector<Volume> MountedVolumes::List() {
    std::vector<Volume> volumes;
    const QStringList extra = removableDirsFromEnvironment();
    for (const QString& dir : extra) {
        const QFileInfo info(dir);
        if (!info.isDir()) continue;
        const QString root = QDir::cleanPath(info.absoluteFilePath());
        volumes.push_back({root, QFileInfo(root).fileName(), DriveType::kRemovable});
    }
    for (const QStorageInfo& mounted : QStorageInfo::mountedVolumes()) {
        if (!mounted.isValid() || !mounted.isReady()) continue;
        const QString root = QDir::cleanPath(mounted.rootPath());
        const bool listed = std::any_of(volumes.begin(), volumes.end(),
                                        [&root](const Volume& v) { return v.root == root; });
        if (listed) continue;
        QString name = mounted.name();
        if (name.isEmpty()) name = root == QLatin1String("/") ? root : QFileInfo(root).fileName();
        volumes.push_back({root, name,
                           TypeOf(QString::fromLocal8Bit(mounted.device()),
                                  QString::fromLatin1(mounted.fileSystemType()))});
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const Volume& a, const Volume& b) { return a.root < b.root; });
    return volumes;
}

QStringList MountedVolumes::Roots() {
    QStringList roots;
    for (const Volume& volume : List()) roots.push_back(volume.root);
    return roots;
}

const Volume* MountedVolumes::Containing(const std::vector<Volume>& volumes, const QString& path) {
    const Volume* best = nullptr;
    for (const Volume& volume : volumes) {
        const bool inside = path == volume.root || volume.root == QLatin1String("/") ||
                            path.startsWith(volume.root + QLatin1Char('/'));
        if (inside && (!best || volume.root.size() > best->root.size())) best = &volume;
    }
    return best;
}

}  // namespace ui
