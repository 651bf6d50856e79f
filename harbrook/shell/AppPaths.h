#pragma once
// Where the program finds its own files and keeps its settings. Run from a build folder, or from
// any folder the user unpacked it into, the settings file sits beside the executable and the help
// page in help/ beside it. Installed (PREFIX/bin/harbrook with PREFIX/share/harbrook/), the
// executable's folder belongs to the system: the settings go to $XDG_CONFIG_HOME/harbrook/ and
// the help page is PREFIX/share/harbrook/help/index.html.
#include <filesystem>
#include <functional>
#include <string>

class AppPaths {
public:
    // Looks up an environment variable; "" when it is not set.
    using Environment = std::function<std::string(const char* name)>;

    explicit AppPaths(std::filesystem::path executable,
                      Environment environment = SystemEnvironment);

    // The executable sits in PREFIX/bin beside the installed data folder PREFIX/share/harbrook.
    bool Installed() const;
    // The settings file: the executable's path with ".ini" for its extension when the program is
    // not installed and can write beside itself; otherwise Harbrook.ini in ConfigFolder().
    std::filesystem::path SettingsFile() const;
    // $XDG_CONFIG_HOME/harbrook, or ~/.config/harbrook when that is unset or not absolute.
    std::filesystem::path ConfigFolder() const;
    // The help page the Help command opens.
    std::filesystem::path HelpPage() const;

    static std::string SystemEnvironment(const char* name);

private:
    std::filesystem::path Folder() const { return m_executable.parent_path(); }
    std::filesystem::path DataFolder() const;

    std::filesystem::path m_executable;
    Environment m_environment;
};
