#include <shell/gui/VolumeWatcher.h>

#include <ui/MountedVolumes.h>

VolumeWatcher::VolumeWatcher(QObject* parent, std::function<QStringList()> listVolumes)
    : QObject(parent),
      m_listVolumes(listVolumes ? std::move(listVolumes) : &ui::MountedVolumes::Roots) {
    m_known = m_listVolumes();
    connect(&m_timer, &QTimer::timeout, this, &VolumeWatcher::Poll);
}

void VolumeWatcher::Poll() {
    QStringList now = m_listVolumes();
    now.sort();
    if (now == m_known) return;
    bool added = false;
    bool gone = false;
    for (const QString& root : now) added = added || !m_known.contains(root);
    for (const QString& root : m_known) gone = gone || !now.contains(root);
    m_known = std::move(now);
    if (added) Q_EMIT arrived();
    if (gone) Q_EMIT removed();
}
