#pragma once
// A fresh, empty folder for one test, removed with everything in it at the end.
#include <filesystem>
#include <string>

namespace testsupport {

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // path() / name as a string.
    std::string file(const std::string& name) const;
    // path() as a string with a trailing '/'.
    std::string folder() const;

private:
    std::filesystem::path m_path;
};

// The whole content of a file (empty when it cannot be read).
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace testsupport
