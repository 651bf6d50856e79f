#include "TransferPlan.h"

#include <outside/Shuttler.h>

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace shuttler {

namespace {

// Plain files of `folder` (not recursive): the names of `first` in that order when present,
// then the rest by name. A missing folder gives nothing.
std::vector<std::string> filesOf(const fs::path& folder, const std::vector<std::string>& first) {
    std::vector<std::string> rest;
    std::vector<std::string> leading;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        if (std::find(first.begin(), first.end(), name) == first.end()) rest.push_back(name);
    }
    for (const std::string& name : first) {
        std::error_code typeError;
        if (fs::is_regular_file(folder / name, typeError)) leading.push_back(name);
    }
    std::sort(rest.begin(), rest.end());
    leading.insert(leading.end(), rest.begin(), rest.end());
    return leading;
}

void addFile(TransferPlan& plan, const fs::path& from, const fs::path& to, const std::string& name,
             bool pcIsSource) {
    std::error_code ec;
    if (!fs::is_regular_file(from / name, ec)) return;
    FilePair pair{from / name, to / name, {}};
    pair.pcPath = pcIsSource ? pair.source : pair.dest;
    plan.files.push_back(std::move(pair));
}

// Pairs every listed file of `from`/`sub` with the same place under `to`; the PC side is
// `from` for a send and `to` for a fetch.
void addFolder(TransferPlan& plan, const fs::path& from, const fs::path& to, const fs::path& sub,
               const std::vector<std::string>& first, bool pcIsSource,
               const std::vector<std::string>& skip = {}) {
    for (const std::string& name : filesOf(from / sub, first)) {
        if (std::find(skip.begin(), skip.end(), name) == skip.end()) {
            addFile(plan, from / sub, to / sub, name, pcIsSource);
        }
    }
}

fs::path pointFolder(const fs::path& root) { return root / kNaviFolder / kPointFolder; }

}  // namespace

fs::path stagingPathFor(const fs::path& target) {
    std::string name = ".";
    name += target.filename().string();
    name += ".shuttler-new";
    return target.parent_path() / name;
}

TransferPlan planMusicSend(const fs::path& unit, const fs::path& work) {
    TransferPlan plan;
    plan.landing = TransferPlan::Landing::SwapFolder;
    plan.target = unit / kMusicFolder;
    plan.staging = stagingPathFor(plan.target);
    plan.keepFromPrevious = {kMyDbFile};
    plan.emptyCode = CShuttler::kNoSource;
    addFolder(plan, work / kMusicFolder, plan.staging, {}, {"AVMTR.PPD"}, true);
    return plan;
}

TransferPlan planMyDbSend(const fs::path& unit, const fs::path& work) {
    TransferPlan plan;
    plan.landing = TransferPlan::Landing::ReplaceFile;
    plan.target = unit / kMusicFolder / kMyDbFile;
    plan.staging = stagingPathFor(plan.target);
    plan.emptyCode = CShuttler::kNoSource;
    fs::path source = work / kMusicFolder / kMyDbFile;
    std::error_code ec;
    if (fs::is_regular_file(source, ec)) plan.files.push_back({source, plan.staging, source});
    return plan;
}

TransferPlan planPointSend(const fs::path& unit, const fs::path& work) {
    TransferPlan plan;
    plan.landing = TransferPlan::Landing::SwapFolder;
    plan.target = pointFolder(unit);
    plan.staging = stagingPathFor(plan.target);
    plan.emptyCode = CShuttler::kNoSource;
    const fs::path from = pointFolder(work);
    // The order of the point store's transfer names: records, pictures, comments, groups.
    addFile(plan, from, plan.staging, "POINTREC.V04", true);
    addFolder(plan, from, plan.staging, "IMG", {"POINTIMG.DAT"}, true);
    addFolder(plan, from, plan.staging, "DETAIL", {"POINTCMT.DAT"}, true);
    addFolder(plan, from, plan.staging, {}, {"POINTGRP.V04"}, true, {"POINTREC.V04"});
    return plan;
}

TransferPlan planPointFetch(const fs::path& unit, const fs::path& work) {
    TransferPlan plan;
    plan.landing = TransferPlan::Landing::Direct;
    plan.emptyCode = CShuttler::kNoUnitData;
    const fs::path from = pointFolder(unit);
    std::error_code ec;
    if (!fs::is_regular_file(from / "POINTREC.V04", ec)) return plan;
    // The record file first and the group file second: the receiver reads the record file
    // beside the second file as soon as that one arrives.
    const fs::path to = pointFolder(work);
    addFolder(plan, from, to, {}, {"POINTREC.V04", "POINTGRP.V04"}, false);
    addFolder(plan, from, to, "IMG", {"POINTIMG.DAT"}, false);
    addFolder(plan, from, to, "DETAIL", {"POINTCMT.DAT"}, false);
    return plan;
}

}  // namespace shuttler
