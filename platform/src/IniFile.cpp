#include <platform/IniFile.h>

#include <platform/AtomicFile.h>

#include <climits>
#include <fstream>
#include <sstream>

namespace platform {
namespace {

std::string trim(std::string_view s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(" \t\r");
    return std::string(s.substr(b, e - b + 1));
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x < 0x80 && y < 0x80 ? std::tolower(x) != std::tolower(y) : x != y) return false;
    }
    return true;
}

// A value in matching double quotes is read without them, as the profile functions do.
std::string unquote(std::string value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

int parseDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

IniFile::IniFile(std::string path) : m_path(std::move(path)) {}

bool IniFile::load() {
    m_lines.clear();
    std::ifstream in(m_path, std::ios::binary);
    if (!in) return false;
    std::stringstream s;
    s << in.rdbuf();
    setText(s.str());
    return true;
}

void IniFile::setText(std::string_view text) {
    m_lines.clear();
    std::string current;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        Line line;
        line.raw = std::string(text.substr(start, end - start));
        if (!line.raw.empty() && line.raw.back() == '\r') line.raw.pop_back();
        std::string t = trim(line.raw);
        if (!t.empty() && t.front() == '[') {
            size_t close = t.find(']');
            line.kind = Line::kSection;
            line.section = trim(t.substr(1, close == std::string::npos ? t.size() - 1 : close - 1));
            current = line.section;
        } else if (!t.empty() && t.front() != ';' && t.find('=') != std::string::npos) {
            size_t eq = t.find('=');
            line.kind = Line::kKey;
            line.section = current;
            line.key = trim(t.substr(0, eq));
            line.value = unquote(trim(t.substr(eq + 1)));
        }
        m_lines.push_back(std::move(line));
        start = end + 1;
    }
}

std::string IniFile::text() const {
    std::string out;
    for (const auto& line : m_lines) out += line.raw + "\n";
    return out;
}

bool IniFile::save() const {
    AtomicFile file(m_path);
    std::string content = text();
    return file.open() && file.write(content.data(), content.size()) && file.commit();
}

int IniFile::findSection(std::string_view section) const {
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == Line::kSection && equalsNoCase(m_lines[i].section, section))
            return static_cast<int>(i);
    return -1;
}

int IniFile::findKey(std::string_view section, std::string_view key) const {
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& l = m_lines[i];
        if (l.kind == Line::kKey && equalsNoCase(l.section, section) && equalsNoCase(l.key, key))
            return static_cast<int>(i);
    }
    return -1;
}

bool IniFile::contains(std::string_view section, std::string_view key) const {
    return findKey(section, key) >= 0;
}

std::string IniFile::getString(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
    int i = findKey(section, key);
    return i < 0 ? std::string(defaultValue) : m_lines[static_cast<size_t>(i)].value;
}

int IniFile::getInt(std::string_view section, std::string_view key, int defaultValue) const {
    int i = findKey(section, key);
    return i < 0 ? defaultValue : parseDecimal(m_lines[static_cast<size_t>(i)].value);
}

void IniFile::setString(std::string_view section, std::string_view key, std::string_view value) {
    Line line;
    line.kind = Line::kKey;
    line.key = std::string(key);
    line.value = std::string(value);
    line.raw = line.key + "=" + line.value;
    int existing = findKey(section, key);
    if (existing >= 0) {
        line.section = m_lines[static_cast<size_t>(existing)].section;
        m_lines[static_cast<size_t>(existing)] = std::move(line);
        return;
    }
    int header = findSection(section);
    if (header < 0) {
        if (!m_lines.empty() && !trim(m_lines.back().raw).empty()) m_lines.push_back(Line{});
        Line h;
        h.kind = Line::kSection;
        h.section = std::string(section);
        h.raw = "[" + h.section + "]";
        m_lines.push_back(std::move(h));
        header = static_cast<int>(m_lines.size()) - 1;
    }
    line.section = m_lines[static_cast<size_t>(header)].section;
    // Insert after the section's last key line (before trailing blank lines).
    size_t pos = static_cast<size_t>(header) + 1;
    size_t insertAt = pos;
    for (; pos < m_lines.size() && m_lines[pos].kind != Line::kSection; ++pos)
        if (!trim(m_lines[pos].raw).empty()) insertAt = pos + 1;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

void IniFile::setInt(std::string_view section, std::string_view key, int value) {
    setString(section, key, std::to_string(value));
}

}  // namespace platform
