#pragma once
// CItemIdList: an owned absolute folder or file path, the PC panes' name for an item. It compares
// by path, serialises to the path's bytes (the ShellFolders setting keeps them as lowercase
// hexadecimal, two digits a byte), and can hold one change-notice registration for its folder,
// dropped when the list is replaced, cleared or destroyed.
#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

namespace platform {
class MessageTarget;
}

class CItemIdList {
public:
    CItemIdList() = default;
    // Made absolute and clean ("a/../b/" -> "/cwd/b"); an empty path gives an empty list.
    explicit CItemIdList(const QString& path);
    CItemIdList(const CItemIdList& other) : m_path(other.m_path) {}
    CItemIdList(CItemIdList&& other) noexcept;
    CItemIdList& operator=(const CItemIdList& other);
    CItemIdList& operator=(CItemIdList&& other) noexcept;
    ~CItemIdList() { DropNotify(); }

    void Clear();
    bool IsEmpty() const { return m_path.isEmpty(); }
    const QString& Path() const { return m_path; }
    bool operator==(const CItemIdList& other) const { return m_path == other.m_path; }

    // The path's bytes as the file system stores them, and back.
    QByteArray Serialize() const;
    static CItemIdList Deserialize(const QByteArray& bytes);
    // The ShellFolders form; text that is not whole hexadecimal bytes gives an empty list.
    std::string ToHex() const;
    static CItemIdList FromHex(std::string_view hex);

    // Posts the folder-change message to `target` whenever the folder's entries change; replaces an
    // earlier registration. False when the folder cannot be watched.
    bool RegisterNotify(platform::MessageTarget* target);
    void DropNotify();
    bool IsRegistered() const { return m_notify != 0; }

private:
    QString m_path;
    int m_notify = 0;
};
