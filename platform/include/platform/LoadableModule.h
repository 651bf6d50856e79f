#pragma once
// Parts of the program with heavy dependencies (FFmpeg, Qt's image readers) live in modules that
// are loaded on first use, so a run that never needs them does not pay for loading their
// libraries at start-up (loading FFmpeg's alone takes about 30 ms).
#include <filesystem>
#include <mutex>
#include <string>

namespace platform {

class LoadableModule {
public:
    // `fileName` is looked for in the folder of the library or program holding `anchor` (any
    // function or object of the caller's own code), then in ../lib from there, where an
    // installed program's libraries are. `entry` names the module's exported function.
    LoadableModule(const void* anchor, const char* fileName, const char* entry);

    // The module's entry point, loaded by the first call (thread-safe); null when the module
    // cannot be loaded, with the reason in Error().
    void* Entry();
    const std::string& Error() const { return m_error; }

    // The module's table of functions, for an entry point `const Table* entry()`. A table whose
    // `version` is not Table::kVersion comes from a stale module and is refused. Null on any
    // failure, which is reported on standard error (once: an incomplete installation).
    template <class Table>
    const Table* Functions() {
        void* entry = Entry();
        const Table* table = entry ? reinterpret_cast<const Table* (*)()>(entry)() : nullptr;
        if (table && table->version == Table::kVersion) return table;
        ReportFailure(table ? "it is of another version" : m_error.c_str());
        return nullptr;
    }

private:
    void Load();
    void ReportFailure(const char* reason);
    std::filesystem::path HomeFolder() const;

    const void* m_anchor;
    const char* m_fileName;
    const char* m_entryName;
    std::once_flag m_once;
    std::once_flag m_reported;
    void* m_entry = nullptr;
    std::string m_error;
};

}  // namespace platform
