#include "SeedFolder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace fuzzseeds {

SeedFolder::SeedFolder(const std::string& root, const std::string& target)
    : m_folder((fs::path(root) / target).string()) {
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
}

std::string SeedFolder::path(const std::string& name) const {
    return (fs::path(m_folder) / name).string();
}

void SeedFolder::add(const std::string& name, std::string_view bytes) const {
    std::ofstream out(path(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write seed " + path(name));
}

void SeedFolder::add(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    add(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void SeedFolder::addFile(const std::string& name, const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    if (path.empty() || !in) throw std::runtime_error("cannot make seed " + name);
    std::stringstream bytes;
    bytes << in.rdbuf();
    add(name, bytes.str());
}

std::string le(std::uint64_t value, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(value >> (8 * i) & 0xFF);
    return s;
}

}  // namespace fuzzseeds
