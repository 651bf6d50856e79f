#include "XdgUrlOpener.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace atlasgate {
namespace {

std::string findOnPath(std::string_view name) {
    const char* path = std::getenv("PATH");
    std::string_view dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!dirs.empty()) {
        std::size_t colon = dirs.find(':');
        std::string_view dir = dirs.substr(0, colon);
        dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
        if (dir.empty()) continue;
        std::string candidate = std::string(dir) + "/" + std::string(name);
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

}  // namespace

XdgUrlOpener::XdgUrlOpener() : m_program(findOnPath("xdg-open")) {}

bool XdgUrlOpener::open(const std::string& url) {
    if (m_program.empty() || url.empty() || url.front() == '-') return false;
    // Everything the children use is prepared before fork: after it only async-signal-safe calls.
    char* argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(url.c_str()), nullptr};
    const char* program = m_program.c_str();
    int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    pid_t child = fork();
    if (child < 0) {
        if (devNull >= 0) close(devNull);
        return false;
    }
    if (child == 0) {
        // The grandchild runs xdg-open and is adopted by init, so nobody has to wait for it.
        pid_t grandchild = fork();
        if (grandchild == 0) {
            if (devNull >= 0) {
                dup2(devNull, STDIN_FILENO);
                dup2(devNull, STDOUT_FILENO);
                dup2(devNull, STDERR_FILENO);
            }
            execv(program, argv);
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    if (devNull >= 0) close(devNull);
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace atlasgate
