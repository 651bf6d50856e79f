#include <mydb/MyDbFileReader.h>

#include <mydb/MyDbData.h>
#include <mydb/MyDbLineParser.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr char kEndOfText = '\x1a';

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

struct LineBuffer {
    char* data = nullptr;
    std::size_t capacity = 0;
    ~LineBuffer() { std::free(data); }
};

std::string_view withoutLineEnd(const char* data, std::size_t size) {
    std::string_view line(data, size);
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

int readErrorCode(int error) {
    if (error == ENOENT) return CTransferData::kFileNotFound;
    if (error == EACCES || error == EPERM) return CTransferData::kCannotRead;
    return CMyDbData::kLoadError;
}

// Opens anything but a folder; `size` receives the file's size.
FilePtr openRegularFile(const std::string& path, std::size_t& size) {
    FilePtr file(std::fopen(path.c_str(), "rb"));
    struct stat status {};
    if (file && (::fstat(::fileno(file.get()), &status) != 0 || S_ISDIR(status.st_mode)))
        file.reset();
    size = file ? static_cast<std::size_t>(status.st_size) : 0;
    return file;
}

// Room for the rows a file of `size` bytes may hold (a row line takes at least 8 bytes in
// practice), never more than the row limit.
std::size_t expectedRows(std::size_t size) {
    return std::min(size / 8 + 1, static_cast<std::size_t>(CMyDbData::kMaxRows));
}

}  // namespace

int MyDbFileReader::Read(const std::string& path, std::vector<MyDbRow>& rows) {
    std::size_t size = 0;
    FilePtr file = openRegularFile(path, size);
    if (!file) return CTransferData::kCannotRead;

    std::vector<MyDbRow> read;
    read.reserve(expectedRows(size));
    LineBuffer buffer;
    for (bool more = true; more;) {
        errno = 0;
        ssize_t n = ::getline(&buffer.data, &buffer.capacity, file.get());
        if (n < 0) {
            // -1 without end of file is a read or allocation failure, never a short file.
            if (!std::feof(file.get()) || std::ferror(file.get())) return readErrorCode(errno);
            break;
        }
        std::string_view line = withoutLineEnd(buffer.data, static_cast<std::size_t>(n));
        // Ctrl-Z ends a text file as DOS editors left it: the text before it is the last line.
        if (std::size_t eof = line.find(kEndOfText); eof != std::string_view::npos) {
            line = line.substr(0, eof);
            more = false;
            if (line.empty()) break;
        }
        if (read.size() >= static_cast<std::size_t>(CMyDbData::kMaxRows))
            return CMyDbData::kTooManyRows;
        if (!MyDbLineParser::Parse(line, read.emplace_back())) return CMyDbData::kNotMyDbFile;
    }
    rows = std::move(read);
    return CTransferData::kOk;
}
