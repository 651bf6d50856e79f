#include "Messages.h"

#include <platform/RegularFile.h>

#include <libintl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace cli {
namespace {

constexpr const char* kDomain = "harbrook-cli";

const char* firstSet(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return nullptr;
}

// share/locale beside the program's bin folder: the build tree and an installed tree alike.
std::string catalogueFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return (program.parent_path().parent_path() / "share" / "locale").string();
}

}  // namespace

void initMessages() {
    if (!std::setlocale(LC_ALL, "")) {
        // The user's locale is not installed here; a UTF-8 locale with the user's language for
        // the messages still speaks it.
        std::setlocale(LC_ALL, "C.UTF-8");
        const char* language = firstSet({"LC_ALL", "LC_MESSAGES", "LANG"});
        if (language) ::setenv("LANGUAGE", language, 0);
    }
    const std::string folder = catalogueFolder();
    if (!folder.empty()) ::bindtextdomain(kDomain, folder.c_str());
    ::bind_textdomain_codeset(kDomain, "UTF-8");
}

const char* tr(const char* english) {
    return ::dgettext(kDomain, english);
}

std::string format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (byte < 0x20 || byte == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

std::string systemReason(int error) {
    return std::strerror(error);
}

std::string inputProblem(const std::string& path) {
    const int fd = platform::openRegularFile(path.c_str());
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    const int error = errno;
    if (error == EISDIR) return tr("is a folder, not a file");
    if (error == EINVAL) return tr("is not a regular file (a pipe, device or socket)");
    return systemReason(error);
}

void reportFailure(const char* command, const std::string& path, const std::string& reason) {
    std::fprintf(stderr, "harbrook-cli %s: %s: %s\n", command, printable(path).c_str(),
                 reason.c_str());
}

void reportFailure(const char* command, const std::string& text) {
    std::fprintf(stderr, "harbrook-cli %s: %s\n", command, text.c_str());
}

}  // namespace cli
