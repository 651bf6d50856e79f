#include <mydb/MyDbFileReader.h>

#include <mydb/MyDbData.h>
#include <mydb/MyDbLineParser.h>
#include <platform/Cp932.h>
#include <platform/RegularFile.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

constexpr char kEndOfText = '\x1a';

int readErrorCode(int error) {
    if (error == ENOENT) return CTransferData::kFileNotFound;
    if (error == EACCES || error == EPERM) return CTransferData::kCannotRead;
    return CMyDbData::kLoadError;
}

// Reads at most `limit` + 1 bytes, so that a longer file shows itself. 0 or a result code.
int readAll(int fd, std::size_t limit, std::string& text) {
    constexpr std::size_t kChunk = 1 << 20;
    for (;;) {
        const std::size_t used = text.size();
        if (used > limit) return 0;
        text.resize(used + std::min(kChunk, limit + 1 - used));
        const ssize_t n = ::read(fd, text.data() + used, text.size() - used);
        if (n < 0 && errno == EINTR) {
            text.resize(used);
            continue;
        }
        if (n < 0) return readErrorCode(errno);
        text.resize(used + static_cast<std::size_t>(n));
        if (n == 0) return 0;
    }
}

// The next line of `text` from `pos` (advanced past its line end); false at the end. A Ctrl-Z
// ends the text.
bool nextLine(std::string_view text, std::size_t& pos, std::string_view& line) {
    if (pos >= text.size()) return false;
    const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
    line = text.substr(pos, end - pos);
    pos = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    return true;
}

std::string_view beforeEndOfText(std::string_view text) {
    return text.substr(0, text.find(kEndOfText));
}

// The 1-based line holding byte `offset`, counting line ends as nextLine does.
int lineAt(std::string_view text, std::size_t offset) {
    int line = 1;
    std::string_view ignored;
    for (std::size_t pos = 0; nextLine(text, pos, ignored) && pos <= offset;) ++line;
    return line;
}

// 0, or 18 with the first line that is not code page 932 text: byte order marks of the Unicode
// forms, bytes CP932 does not allow, and text that is well-formed UTF-8.
int checkEncoding(std::string_view text, int& line) {
    const bool unicodeMark = text.starts_with("\xEF\xBB\xBF") || text.starts_with("\xFF\xFE") ||
                             text.starts_with("\xFE\xFF");
    std::size_t bad = unicodeMark ? 0 : platform::cp932InvalidByte(text);
    if (bad == std::string_view::npos && platform::isUtf8BeyondAscii(text))
        bad = static_cast<std::size_t>(
            std::find_if(text.begin(), text.end(), [](char c) { return c & 0x80; }) - text.begin());
    if (bad == std::string_view::npos) return CTransferData::kOk;
    line = lineAt(text, bad);
    return CMyDbData::kNotCodePage932;
}

MyDbFileReader::Result parseLines(std::string_view text) {
    MyDbFileReader::Result result;
    std::string_view line;
    std::vector<MyDbEmptiedField> emptied;
    for (std::size_t pos = 0; nextLine(text, pos, line);) {
        if (result.rows.size() >= static_cast<std::size_t>(CMyDbData::kMaxRows)) {
            result.code = CMyDbData::kTooManyRows;
            return result;
        }
        if (!MyDbLineParser::Parse(line, result.rows.emplace_back(), &emptied)) {
            result.code = CMyDbData::kNotMyDbFile;
            return result;
        }
        for (MyDbEmptiedField& e : emptied) {
            e.line = static_cast<int>(result.rows.size());
            result.emptied.push_back(e);
        }
    }
    return result;
}

}  // namespace

MyDbFileReader::Result MyDbFileReader::Read(const std::string& path) {
    Result failed;
    const int fd = platform::openRegularFile(path.c_str());
    if (fd < 0) {
        failed.code = CTransferData::kCannotRead;
        return failed;
    }
    std::string bytes;
    failed.code = readAll(fd, kMaxFileBytes, bytes);
    ::close(fd);
    if (failed.code == CTransferData::kOk && bytes.size() > kMaxFileBytes)
        failed.code = CMyDbData::kNotMyDbFile;
    if (failed.code != CTransferData::kOk) return failed;

    const std::string_view text = beforeEndOfText(bytes);
    if ((failed.code = checkEncoding(text, failed.line)) != CTransferData::kOk) return failed;
    return parseLines(text);
}
