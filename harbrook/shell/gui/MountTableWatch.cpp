#include <shell/gui/MountTableWatch.h>

#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

MountTableWatch::MountTableWatch(QObject* parent) : QObject(parent) {
    m_fd = ::open("/proc/self/mounts", O_RDONLY | O_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Exception, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] { OnMountTable(); });
    }
    WatchRemovableDirs();
    const auto dirsChanged = [this] {
        WatchRemovableDirs();
        Q_EMIT changed();
    };
    connect(&m_dirs, &QFileSystemWatcher::directoryChanged, this, dirsChanged);
}

MountTableWatch::~MountTableWatch() {
    delete m_notifier;
    if (m_fd >= 0) ::close(m_fd);
}

void MountTableWatch::OnMountTable() {
    // The flag is cleared by reading the table again from the start.
    char buffer[4096];
    ::lseek(m_fd, 0, SEEK_SET);
    while (::read(m_fd, buffer, sizeof buffer) > 0) {
    }
    Q_EMIT changed();
}

// Each named folder and the folder holding it: a card folder made or removed shows in its parent.
void MountTableWatch::WatchRemovableDirs() {
    const char* dirs = std::getenv("HARBROOK_REMOVABLE_DIRS");
    if (!dirs) return;
    QStringList paths;
    for (const QString& dir : QString::fromLocal8Bit(dirs).split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QFileInfo info(dir);
        if (info.isDir()) paths << info.absoluteFilePath();
        if (info.absoluteDir().exists()) paths << info.absolutePath();
    }
    paths.removeDuplicates();
    const QStringList watched = m_dirs.directories();
    for (const QString& path : paths) {
        if (!watched.contains(path)) m_dirs.addPath(path);
    }
}
