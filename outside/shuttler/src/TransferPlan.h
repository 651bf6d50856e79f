#pragma once
// What one transfer copies and how it lands: the file pairs in transfer order and, for a send,
// the staged set that replaces the unit's previous one. Built from the unit's layout.
#include <filesystem>
#include <string>
#include <vector>

namespace shuttler {

struct FilePair {
    std::filesystem::path source;
    std::filesystem::path dest;    // for a staged send: inside the staging location
    std::filesystem::path pcPath;  // the PC-side file named in the progress record
};

struct TransferPlan {
    enum class Landing {
        Direct,       // files are written where they belong (fetch into the work folder)
        SwapFolder,   // `target` folder is replaced by the `staging` folder once complete
        ReplaceFile,  // `target` file is replaced by the `staging` file once complete
    };

    std::vector<FilePair> files;
    Landing landing = Landing::Direct;
    std::filesystem::path target;
    std::filesystem::path staging;
    // Files of the unit's previous set that the new set keeps unless it brings its own
    // (the myDB file lives beside the music files but is not part of the music set).
    std::vector<std::string> keepFromPrevious;
    unsigned emptyCode = 0;  // result when there is nothing to copy (0: an empty copy is fine)
};

// Unit-relative names.
inline constexpr const char* kMusicFolder = "AVMTR";
inline constexpr const char* kMyDbFile = "MYDB.txt";
inline constexpr const char* kNaviFolder = "NAVIDATA";
inline constexpr const char* kPointFolder = "POINT";

// Each returns the plan for `unit` and `work`; a plan whose files are empty and whose emptyCode
// is non-zero cannot run.
TransferPlan planMusicSend(const std::filesystem::path& unit, const std::filesystem::path& work);
TransferPlan planMyDbSend(const std::filesystem::path& unit, const std::filesystem::path& work);
TransferPlan planPointSend(const std::filesystem::path& unit, const std::filesystem::path& work);
TransferPlan planPointFetch(const std::filesystem::path& unit, const std::filesystem::path& work);

// The staging location of a set's target: a hidden sibling on the same file system.
std::filesystem::path stagingPathFor(const std::filesystem::path& target);

}  // namespace shuttler
