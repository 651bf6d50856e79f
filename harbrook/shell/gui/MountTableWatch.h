#pragma once
// MountTableWatch: tells when a volume is mounted or unmounted, without polling: the kernel
// flags the mount table (/proc/self/mounts) when it changes. The folders of
// HARBROOK_REMOVABLE_DIRS, which stand for cards, are watched for appearing and disappearing.
#include <QFileSystemWatcher>
#include <QObject>

class QSocketNotifier;

class MountTableWatch : public QObject {
    Q_OBJECT
public:
    explicit MountTableWatch(QObject* parent = nullptr);
    ~MountTableWatch() override;

Q_SIGNALS:
    void changed();

private:
    void OnMountTable();
    void WatchRemovableDirs();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QFileSystemWatcher m_dirs;
};
