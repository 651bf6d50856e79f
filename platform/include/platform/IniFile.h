#pragma once
// Settings file with the semantics of the Windows private-profile functions: sections and keys
// are case-insensitive, values are trimmed, reading an absent key gives the caller's default, and
// writing a key keeps every other line (comments, unknown keys, blank lines) as it was.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::string path);

    // Reads the file; a missing or unreadable file gives an empty settings set (false).
    bool load();
    // Writes the file atomically (temporary file, then rename). False when it cannot be written;
    // the previous file is then left untouched.
    bool save() const;

    const std::string& path() const { return m_path; }
    bool contains(std::string_view section, std::string_view key) const;

    std::string getString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const;
    // Leading decimal digits (an optional '-' first); text without digits reads as 0; an absent
    // key gives the default.
    int getInt(std::string_view section, std::string_view key, int defaultValue) const;

    void setString(std::string_view section, std::string_view key, std::string_view value);
    void setInt(std::string_view section, std::string_view key, int value);

    // The whole text as it would be saved.
    std::string text() const;
    void setText(std::string_view text);

private:
    struct Line {
        std::string raw;      // the line as read (without the line end)
        std::string section;  // for a section header: its name
        std::string key;      // for a key line: its key
        std::string value;    // for a key line: its trimmed value
        enum Kind { kOther, kSection, kKey } kind = kOther;
    };
    // Index of the key line, or -1.
    int findKey(std::string_view section, std::string_view key) const;
    // Index of the section header, or -1.
    int findSection(std::string_view section) const;

    std::string m_path;
    std::vector<Line> m_lines;
};

// Decimal conversion as C's atoi: optional whitespace and sign, then digits up to the first other
// character; no digits gives 0. Never overflows (saturates).
int parseDecimal(std::string_view text);

}  // namespace platform
