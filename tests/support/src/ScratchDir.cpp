#include <testsupport/ScratchDir.h>

#include <stdlib.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace testsupport {

ScratchDir::ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "harbrook-test-XXXXXX").string();
    if (::mkdtemp(pattern.data())) m_path = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    if (!m_path.empty()) fs::remove_all(m_path, ec);
}

std::string ScratchDir::file(const std::string& name) const { return (m_path / name).string(); }

std::string ScratchDir::folder() const { return m_path.string() + "/"; }

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testsupport
