#pragma once
// VolumeWatcher: notices drives (cards, sticks) being mounted or unmounted by polling the mounted
// volumes, in place of the window system's device arrival and removal notices.
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class VolumeWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 1000;

    // `listVolumes` gives the mounted volumes' root paths; the default is ui::MountedVolumes.
    explicit VolumeWatcher(QObject* parent = nullptr,
                           std::function<QStringList()> listVolumes = {});

    void Start() { m_timer.start(kIntervalMs); }
    void Stop() { m_timer.stop(); }
    // Compares the volumes with the previous poll's.
    void Poll();

Q_SIGNALS:
    void arrived();
    void removed();

private:
    std::function<QStringList()> m_listVolumes;
    QStringList m_known;
    QTimer m_timer;
};
