#include <platform/LoadableModule.h>

#include <dlfcn.h>
#include <link.h>

#include <cstdio>
#include <filesystem>

namespace platform {

namespace fs = std::filesystem;

LoadableModule::LoadableModule(const void* anchor, const char* fileName, const char* entry)
    : m_anchor(anchor), m_fileName(fileName), m_entryName(entry) {}

void LoadableModule::ReportFailure(const char* reason) {
    std::call_once(m_reported, [&] {
        std::fprintf(stderr, "harbrook: cannot load %s: %s\n", m_fileName, reason);
    });
}

void* LoadableModule::Entry() {
    std::call_once(m_once, [this] { Load(); });
    return m_entry;
}

// The folder of the shared library holding the anchor, or of the program when the anchor is
// linked into it (the loader knows the program only by the name it was started with).
std::filesystem::path LoadableModule::HomeFolder() const {
    Dl_info info{};
    link_map* map = nullptr;
    if (::dladdr1(m_anchor, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0)
        return {};
    if (map && map->l_name && *map->l_name) return fs::path(map->l_name).parent_path();
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec).parent_path();
}

void LoadableModule::Load() {
    const fs::path home = HomeFolder();
    if (home.empty()) {
        m_error = std::string("cannot find the folder of ") + m_fileName;
        return;
    }
    void* handle = nullptr;
    for (const fs::path& folder : {home, home / ".." / "lib"}) {
        handle = ::dlopen((folder / m_fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle) break;
        if (m_error.empty()) m_error = ::dlerror();  // the first folder's reason is the telling one
    }
    if (!handle) return;
    m_entry = ::dlsym(handle, m_entryName);
    m_error = m_entry ? "" : std::string(m_fileName) + ": no " + m_entryName;
}

}  // namespace platform
