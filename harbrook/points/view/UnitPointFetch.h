#pragma once
// Fetching the unit's point files for the point view: a work folder, the progress window and the
// transfer library's fetch loop. The view reads the fetched files while the object lives; its
// destruction restores the current folder and deletes the work folder.
class UnitPointFetch {
public:
    enum class Result {
        NotStarted,  // the user kept a missing work folder, or none could be made
        Fetched,     // the unit's point files are in the work folder
        Failed,      // the library's text has been shown (or the user cancelled)
    };

    virtual ~UnitPointFetch() = default;
    virtual Result Run() = 0;
    // Reads the fetched record file into the store's staging area; `count` gets its points.
    virtual bool Stage(int& count) = 0;
    // Replaces the store's unit points by the staged ones and allows sending points.
    virtual bool Merge() = 0;
};
