#include <ui/MimeTypeNames.h>

#include <QHash>
#include <QMimeDatabase>

#include <mutex>

namespace {

MimeTypeNames::Entry entryOf(const QMimeType& type) {
    QString icon = type.iconName();
    if (icon.isEmpty()) icon = type.genericIconName();
    return {type.comment(), icon};
}

}  // namespace

MimeTypeNames::Entry MimeTypeNames::ForFile(const QString& fileName) {
    static std::mutex mutex;
    static QHash<QString, Entry> known;
    // Files are told apart by their last extension; a name without one is looked up whole.
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const bool hasExtension = dot > 0 && dot + 1 < fileName.size();
    const QString key = hasExtension ? fileName.mid(dot) : fileName;
    std::lock_guard lock(mutex);
    const auto found = known.constFind(key);
    if (found != known.constEnd()) return *found;
    const QString probe = hasExtension ? QStringLiteral("x") + key : fileName;
    const Entry entry =
        entryOf(QMimeDatabase().mimeTypeForFile(probe, QMimeDatabase::MatchExtension));
    known.insert(key, entry);
    return entry;
}

MimeTypeNames::Entry MimeTypeNames::ForFolder() {
    static const Entry folder =
        entryOf(QMimeDatabase().mimeTypeForName(QStringLiteral("inode/directory")));
    return folder;
}
