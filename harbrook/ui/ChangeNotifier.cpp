#include <ui/ChangeNotifier.h>

#include <platform/MessageTarget.h>

#include <QCoreApplication>
#include <QFileSystemWatcher>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

QPointer<ChangeNotifier>& instance() {
    static QPointer<ChangeNotifier> notifier;
    return notifier;
}

}  // namespace

ChangeNotifier* ChangeNotifier::Instance() {
    QPointer<ChangeNotifier>& notifier = instance();
    if (!notifier && QCoreApplication::instance()) {
        notifier = new ChangeNotifier(QCoreApplication::instance());
    }
    return notifier.data();
}

ChangeNotifier::ChangeNotifier(QObject* parent)
    : QObject(parent), m_watcher(new QFileSystemWatcher(this)) {
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &ChangeNotifier::OnChanged);
}

int ChangeNotifier::Register(const QString& folder, platform::MessageTarget* target) {
    if (!target || folder.isEmpty()) return 0;
    int& uses = m_useCounts[folder];
    if (uses == 0 && !m_watcher->addPath(folder)) {
        m_useCounts.remove(folder);
        return 0;
    }
    ++uses;
    const int handle = m_nextHandle++;
    m_registrations.insert(handle, {folder, target});
    return handle;
}

void ChangeNotifier::Drop(int handle) {
    const auto found = m_registrations.constFind(handle);
    if (found == m_registrations.constEnd()) return;
    const QString folder = found->folder;
    m_registrations.erase(found);
    if (--m_useCounts[folder] > 0) return;
    m_useCounts.remove(folder);
    m_watcher->removePath(folder);
}

void ChangeNotifier::OnChanged(const QString& folder) {
    std::vector<platform::MessageTarget*> targets;
    for (const Registration& registration : std::as_const(m_registrations)) {
        if (registration.folder != folder) continue;
        if (std::find(targets.begin(), targets.end(), registration.target) == targets.end()) {
            targets.push_back(registration.target);
        }
    }
    for (platform::MessageTarget* target : targets) target->post(kShellChange, 0, 0);
}

}  // namespace ui
