#pragma once
// ChangeNotifier: the folder change notices behind CItemIdList's registrations. One file system
// watcher serves every registration (a watcher per folder would use up the system's inotify
// instances); when a watched folder's entries change, each target registered for it receives
// kShellChange once. Lives on the UI thread, owned by the application object.
#include <platform/MessageNumbers.h>

#include <QHash>
#include <QObject>
#include <QString>

class QFileSystemWatcher;

namespace platform {
class MessageTarget;
}

namespace ui {

class ChangeNotifier : public QObject {
    Q_OBJECT
public:
    // The main frame's folder-change message.
    static constexpr unsigned kShellChange = platform::msg::kShellChange;

    // The application's notifier, made on first use; null once the application has gone.
    static ChangeNotifier* Instance();

    // Watches `folder` for `target`; the handle (never 0) drops it again. 0 when the folder
    // cannot be watched.
    int Register(const QString& folder, platform::MessageTarget* target);
    void Drop(int handle);

private:
    explicit ChangeNotifier(QObject* parent);
    void OnChanged(const QString& folder);

    struct Registration {
        QString folder;
        platform::MessageTarget* target;
    };
    QFileSystemWatcher* m_watcher;
    QHash<int, Registration> m_registrations;
    QHash<QString, int> m_useCounts;
    int m_nextHandle = 1;
};

}  // namespace ui
