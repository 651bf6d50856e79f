#include "transfer/WorkFolder.h"

#include "transfer/TransferPrompts.h"

#include <shell/AppSettings.h>

#include <outside/Fileaid.h>
#include <platform/TempName.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

constexpr std::size_t kMaxPath = 259;

bool folderExists(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string currentFolder() {
    char buffer[4096];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

}  // namespace

WorkFolder::~WorkFolder() { Remove(); }

bool WorkFolder::Choose(AppSettings& settings, TransferPrompts& prompts) {
    std::string base = platform::tempFolder();
    if (settings.tempFolder != 0) {
        if (folderExists(settings.tempFolderPath)) {
            base = platform::withTrailingSlash(settings.tempFolderPath.substr(0, kMaxPath));
        } else if (prompts.Ask(kMissingQuestion, TransferPrompts::kTypeYesNo) ==
                   TransferPrompts::kYes) {
            settings.tempFolder = 0;
        } else {
            return false;
        }
    }
    ChooseIn(base);
    return true;
}

void WorkFolder::ChooseIn(const std::string& baseFolder) {
    m_base = platform::withTrailingSlash(baseFolder);
    static std::minstd_rand engine{std::random_device{}()};
    // A name that is taken (a folder left by a crashed run) is skipped: the folder is deleted
    // afterwards and must be ours alone.
    for (int attempt = 0; attempt < 0x10000; ++attempt) {
        const unsigned number = static_cast<unsigned>(engine() % 0xFFFF) + 1;
        std::string name = platform::tempFileName(m_base, "$$$", number);
        name.erase(name.rfind('.'));
        struct stat status {};
        if (::lstat(name.c_str(), &status) != 0 && errno == ENOENT) {
            m_path = name + "/";
            break;
        }
    }
    m_freeBytes = FreeBytesOf(m_base);
}

bool WorkFolder::Create() {
    if (m_path.empty() || m_created) return m_created;
    if (::mkdir(m_path.c_str(), 0700) != 0) return false;
    m_created = true;
    m_previousCurrent = currentFolder();
    if (::chdir(m_path.c_str()) != 0) m_previousCurrent.clear();
    return true;
}

void WorkFolder::Remove() {
    if (!m_created) return;
    m_created = false;
    if (!m_previousCurrent.empty() && ::chdir(m_previousCurrent.c_str()) != 0) {
        // The previous folder is gone; leave the work folder before deleting it anyway.
        (void)::chdir(m_base.c_str());
    }
    CFileaid::DeleteDirectory(m_path.c_str());
}

std::uint64_t WorkFolder::FreeBytesOf(const std::string& path) {
    struct statvfs info {};
    if (::statvfs(path.c_str(), &info) != 0) return 0;
    return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
}
