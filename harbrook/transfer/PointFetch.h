#pragma once
// Fetching the unit's points over USB: a work folder, the progress window and the fetch loop,
// then the fetched record file staged and merged into the point store. The work folder lives as
// long as the object, so the files can be read after Run.
#include <transfer/WorkFolder.h>

#include <string>

class AppSettings;
class TransferProgress;
class TransferPrompts;

namespace points {
class CPointData;
}

class PointFetch {
public:
    enum class Result {
        NotStarted,  // the user kept a missing work folder, or none could be made
        Fetched,     // the unit's point files are in the work folder
        Failed,      // the library's text has been shown (or the user cancelled)
    };

    PointFetch(points::CPointData& store, AppSettings& settings, TransferProgress& progress,
               TransferPrompts& prompts)
        : m_store(store), m_settings(settings), m_progress(progress), m_prompts(prompts) {}

    // Where the work folder goes instead of the setting's choice (the command line).
    void SetWorkBase(std::string folder) { m_workBase = std::move(folder); }

    Result Run();
    // The library's result of the fetch (0 after success).
    unsigned LastResult() const { return m_result; }
    // Reads the fetched record file into the store's staging area; `count` gets its points.
    bool Stage(int& count);
    // Replaces the store's unit points by the staged ones and allows sending points.
    bool Merge();
    const std::string& Folder() const { return m_folder.Path(); }

private:
    points::CPointData& m_store;
    AppSettings& m_settings;
    TransferProgress& m_progress;
    TransferPrompts& m_prompts;
    std::string m_workBase;
    WorkFolder m_folder;
    unsigned m_result = 0;
};
