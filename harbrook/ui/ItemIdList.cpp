#include <ui/ItemIdList.h>

#include <ui/ChangeNotifier.h>

#include <QDir>
#include <QFile>

#include <utility>

CItemIdList::CItemIdList(const QString& path) {
    if (!path.isEmpty()) m_path = QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

CItemIdList::CItemIdList(CItemIdList&& other) noexcept
    : m_path(std::move(other.m_path)), m_notify(std::exchange(other.m_notify, 0)) {}

CItemIdList& CItemIdList::operator=(const CItemIdList& other) {
    if (this == &other) return *this;
    DropNotify();
    m_path = other.m_path;
    return *this;
}

CItemIdList& CItemIdList::operator=(CItemIdList&& other) noexcept {
    if (this == &other) return *this;
    DropNotify();
    m_path = std::move(other.m_path);
    m_notify = std::exchange(other.m_notify, 0);
    return *this;
}

void CItemIdList::Clear() {
    DropNotify();
    m_path.clear();
}

QByteArray CItemIdList::Serialize() const {
    return QFile::encodeName(m_path);
}

CItemIdList CItemIdList::Deserialize(const QByteArray& bytes) {
    // Only what Serialize can have written: an absolute path without NUL bytes.
    if (!bytes.startsWith('/') || bytes.contains('\0')) return {};
    return CItemIdList(QFile::decodeName(bytes));
}

std::string CItemIdList::ToHex() const {
    return Serialize().toHex().toStdString();
}

CItemIdList CItemIdList::FromHex(std::string_view hex) {
    const bool valid = hex.size() % 2 == 0 &&
                       hex.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
    if (!valid) return {};
    const QByteArray text(hex.data(), static_cast<qsizetype>(hex.size()));
    return Deserialize(QByteArray::fromHex(text));
}

bool CItemIdList::RegisterNotify(platform::MessageTarget* target) {
    DropNotify();
    ui::ChangeNotifier* notifier = ui::ChangeNotifier::Instance();
    if (notifier) m_notify = notifier->Register(m_path, target);
    return m_notify != 0;
}

void CItemIdList::DropNotify() {
    if (m_notify == 0) return;
    if (ui::ChangeNotifier* notifier = ui::ChangeNotifier::Instance()) notifier->Drop(m_notify);
    m_notify = 0;
}
