#pragma once
// The mounted volumes as the PC panes and the drive choice see them: every mounted file system
// with its root folder, name and kind. A volume is removable when its block device says so
// (/sys/class/block/<device>/removable, the whole disk's for a partition); the folders named in
// HARBROOK_REMOVABLE_DIRS (colon-separated) count as removable volumes too, so that transfers to a
// card can be tried without one.
#include <QString>
#include <QStringList>

#include <vector>

namespace ui {

// The drive kinds of the original design, with their numbers.
enum class DriveType {
    kUnknown = 0,
    kNoRoot = 1,
    kRemovable = 2,
    kFixed = 3,
    kRemote = 4,
    kCdRom = 5,
    kRamDisk = 6,
};

struct Volume {
    QString root;  // absolute and clean: no trailing '/' except for "/" itself
    QString name;  // the file system's label, else the root folder's own name
    DriveType type = DriveType::kFixed;
};

class MountedVolumes {
public:
    MountedVolumes() = delete;

    // Every mounted, ready volume and every existing HARBROOK_REMOVABLE_DIRS folder, by root.
    static std::vector<Volume> List();
    // Their root folders, sorted.
    static QStringList Roots();
    // The volume whose root is the longest prefix of the clean absolute `path`; null for none.
    static const Volume* Containing(const std::vector<Volume>& volumes, const QString& path);

    // The kind of a mounted file system from its device and type names; `sysBlock` is where the
    // block devices' attributes are looked up.
    static DriveType TypeOf(const QString& device, const QString& fileSystem,
                            const QString& sysBlock = QStringLiteral("/sys/class/block"));
};

}  // namespace ui
