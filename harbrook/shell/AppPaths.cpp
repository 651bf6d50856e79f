#include <shell/AppPaths.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramFolder = "harbrook";  // below share/ and the configuration folder
constexpr const char* kConfigFileName = "Harbrook.ini";
constexpr const char* kHelpPage = "help/index.html";

bool isWritableFolder(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

// The home folder from the password database, for a process started without HOME.
std::string passwordHome() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir) {
        return "/";
    }
    return found->pw_dir;
}

}  // namespace

AppPaths::AppPaths(fs::path executable, Environment environment)
    : m_executable(std::move(executable)), m_environment(std::move(environment)) {}

std::string AppPaths::SystemEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

fs::path AppPaths::DataFolder() const {
    return Folder().parent_path() / "share" / kProgramFolder;
}

bool AppPaths::Installed() const {
    std::error_code ec;
    return Folder().filename() == "bin" && fs::is_directory(DataFolder(), ec);
}

fs::path AppPaths::ConfigFolder() const {
    // Relative values are invalid and ignored, as the base directory rules ask.
    const fs::path config = m_environment("XDG_CONFIG_HOME");
    if (config.is_absolute()) return config / kProgramFolder;
    std::string home = m_environment("HOME");
    if (home.empty()) home = passwordHome();
    return fs::path(home) / ".config" / kProgramFolder;
}

fs::path AppPaths::SettingsFile() const {
    if (!Installed() && m_executable.has_filename() && isWritableFolder(Folder())) {
        fs::path beside = m_executable;
        return beside.replace_extension(".ini");
    }
    return ConfigFolder() / kConfigFileName;
}

fs::path AppPaths::HelpPage() const {
    return (Installed() ? DataFolder() : Folder()) / kHelpPage;
}
