// The point store and the unit: staging and merging the unit's points, the list of files to
// fetch, size estimates and the copy of the card set to removable media.
#include <points/CPointData.h>

#include <points/PictureLoader.h>
#include <points/PointCommentFileReader.h>
#include <points/PointFileNames.h>
#include <points/PointFolders.h>
#include <points/PointGroupFileWriter.h>
#include <points/PointIndexFileWriter.h>
#include <points/PointPictureFileWriter.h>
#include <points/PointRecordLayout.h>
#include <points/PointResult.h>

#include <outside/Fileaid.h>
#include <platform/Cp932.h>
#include <platform/TempName.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace points {
namespace {

std::string fieldString(const char* field, std::size_t size) {
    return std::string(platform::fieldText(field, size));
}

// Plain files of `folder` (folders skipped), sorted by name; empty when it cannot be listed.
std::vector<std::string> plainFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        std::error_code typeError;
        if (item.is_regular_file(typeError)) names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::uint64_t sizeOnDisk(const std::string& root, std::uint64_t bytes) {
    return CFileaid::GetSizeOnDisk(root.c_str(), bytes);
}

}  // namespace

// A PC point kept aside while the unit's points are merged in.
struct CPointData::KeptPoint {
    PointRecord record;
    std::optional<std::string> comment;
    PictureHolder picture;
    bool pictureFromUnit;
    bool pictureChanged;
    std::int32_t state;
};

bool CPointData::StageUnitFile(const std::string& root, int& count) {
    m_Staged = false;
    count = 0;
    if (root.empty()) {
        SetResultCode(kFileNotFound);
        return false;
    }
    const std::string path = PointFolders::underRoot(root).pointFolder() + kRecordFileName;
    if (const int code = m_Staging.read(path); code != kPointOk) {
        SetResultCode(code);
        return false;
    }
    for (int slot = kFirstUserSlot; slot < kSlotCount; ++slot) {
        PointRecord record;
        m_Staging.entry(slot, record);
        if (record.slot != kEmptySlot && !isUnitOwnedGroup(record.group)) ++count;
    }
    m_Staged = true;
    return true;
}

std::vector<CPointData::KeptPoint> CPointData::keepPcPoints() const {
    std::vector<KeptPoint> kept;
    for (const auto& s : m_Slots) {
        if (s.state != kStateSaved && s.state != kStateChanged) continue;
        if (kept.size() == static_cast<std::size_t>(kPointLimit)) break;
        KeptPoint k{s.record, s.comment, {}, s.pictureFromUnit, s.pictureChanged, s.state};
        k.picture.copyFrom(s.picture);
        kept.push_back(std::move(k));
    }
    return kept;
}

// Slot `slot` takes entry `slot` of the staged file with the comment and picture its names give.
// A missing comment or picture is dropped with code 11 or 12; the merge goes on.
void CPointData::loadUnitSlot(int slot, const PointFolders& folders) {
    auto& s = m_Slots[slot];
    m_Staging.entry(slot, s.record);
    if (s.record.slot == kEmptySlot) {
        s.state = kStateEmpty;
        return;
    }
    const std::string commentName = fieldString(s.record.commentName, kFileNameBytes);
    if (!commentName.empty()) {
        std::string text;
        if (PointFileNames::isPlainFileName(commentName) &&
            PointCommentFileReader::read(folders.detailFolder() + commentName, text) == kPointOk) {
            s.comment = std::move(text);
            s.commentFromUnit = true;
            s.commentChanged = false;
        } else {
            removeComment(slot);
            SetResultCode(kCommentFormatWrong);
        }
    }
    const std::string pictureName = fieldString(s.record.pictureName, kFileNameBytes);
    if (!pictureName.empty()) {
        if (PointFileNames::isPlainFileName(pictureName) &&
            loadPicture(slot, folders.imageFolder() + pictureName)) {
            s.pictureFromUnit = true;
            s.pictureChanged = false;
        } else {
            std::memset(s.record.pictureName, 0, sizeof s.record.pictureName);
            s.picture.clear();
            SetResultCode(kPictureFormatWrong);
        }
    }
    s.state = kStateOnUnit;
}

bool CPointData::putBack(const std::vector<KeptPoint>& kept) {
    for (const auto& k : kept) {
        const int slot = FindFreeSlot();
        if (slot < 0) return false;  // code 18; the points put back so far stay
        auto& s = m_Slots[slot];
        s.record = k.record;
        s.record.slot = static_cast<std::int16_t>(slot);
        setComment(slot, k.comment ? std::string_view(*k.comment) : std::string_view());
        if (k.picture.hasBits()) {
            s.picture.copyFrom(k.picture);
            newPictureName(slot);
        } else {
            std::memset(s.record.pictureName, 0, sizeof s.record.pictureName);
        }
        s.pictureFromUnit = k.pictureFromUnit;
        s.pictureChanged = k.pictureChanged;
        s.state = k.state;
    }
    return true;
}

bool CPointData::MergeUnitPoints(const std::string& root) {
    if (!m_Staged) {
        SetResultCode(kRecordReadFailed);
        return false;
    }
    if (root.empty()) {
        SetResultCode(kFileNotFound);
        return false;
    }
    const bool modified = m_Modified;
    SetResultCode(kPointOk);
    const PointFolders folders = PointFolders::underRoot(root);
    const std::vector<KeptPoint> kept = keepPcPoints();
    if (!ReadGroupFile(folders.pointFolder())) {
        SetResultCode(kGroupFormatWrong);
        return false;
    }
    for (auto& s : m_Slots) clearSlot(s);
    for (int slot = 0; slot < kSlotCount; ++slot) loadUnitSlot(slot, folders);
    const bool allBack = putBack(kept);
    m_Modified = modified;
    return allBack;
}

int CPointData::ListUnitFiles(const std::string& path) {
    auto& names = m_TransferFileNames;
    names.clear();
    if (path.empty()) {
        names = {kRecordFileName, kGroupFileName, kPictureIndexName, kCommentIndexName};
        return static_cast<int>(names.size());
    }
    names = {kRecordFileName, kGroupFileName};
    PointRecordFileReader reader(kSlotCount);
    if (reader.read(PointFolders::folderOf(path) + kRecordFileName) != kPointOk) return 0;

    std::vector<std::string> pictures, comments;
    for (int slot = kFirstUserSlot; slot < kSlotCount; ++slot) {
        PointRecord record;
        reader.entry(slot, record);
        if (record.slot == kEmptySlot || isUnitOwnedGroup(record.group)) continue;
        if (auto name = fieldString(record.pictureName, kFileNameBytes); !name.empty())
            pictures.push_back(std::move(name));
        if (auto name = fieldString(record.commentName, kFileNameBytes); !name.empty())
            comments.push_back(std::move(name));
    }
    names.push_back(kPictureIndexName);
    names.insert(names.end(), pictures.begin(), pictures.end());
    names.push_back(kCommentIndexName);
    names.insert(names.end(), comments.begin(), comments.end());
    return static_cast<int>(names.size());
}

// Every file the set writes is counted at its real length, the unit set's group and index
// files included, so that the estimate never falls short of what is written.
std::uint64_t CPointData::EstimateTransferSize(const std::string& root, int cardLayout) const {
    const bool card = cardLayout != 0;
    std::uint64_t total = 0;
    if (card) {
        total += sizeOnDisk(root, PointRecordLayout(kPcEntryCount).fileSize());
    } else {
        total += sizeOnDisk(root, PointRecordLayout(kSlotCount).fileSize()) + 1324;
        total += sizeOnDisk(root, PointGroupFileWriter::kFileSize);
        total += 2 * sizeOnDisk(root, PointIndexFileWriter::kFileSize);
    }
    for (int slot = card ? kFirstUserSlot : 0; slot < kSlotCount; ++slot) {
        const auto& s = m_Slots[slot];
        if (card && !s.isUserPoint()) continue;
        if (s.picture.hasBits())
            total += sizeOnDisk(root, PointPictureFileWriter::kBitsOffset + s.picture.bits().size());
        if (s.comment) total += sizeOnDisk(root, s.comment->size());
    }
    return total;
}

std::uint64_t CPointData::MediaBytes(const std::string& driveRoot) const {
    return EstimateTransferSize(driveRoot, 1);
}

std::uint64_t CPointData::RequiredBytes() const {
    return EstimateTransferSize(platform::tempFolder(), 0);
}

bool CPointData::CopyToMedia(const std::string& workRoot, const std::string& driveRoot,
                             platform::MessageTarget* progress, platform::Event* cancel) {
    ClearCopyLists();
    const PointFolders source = PointFolders::underRoot(workRoot);
    const PointFolders target = PointFolders::underRoot(driveRoot);
    target.create();  // a folder that cannot be made shows as a failure to open the destination
    // Data before index: each folder's files before its index file, the record file last, so
    // that a card pulled early never holds an index naming files that are not there.
    const auto pairFolder = [this](const std::string& from, const std::string& to,
                                   const char* index) {
        std::vector<std::string> names = plainFiles(from);
        std::stable_partition(names.begin(), names.end(),
                              [index](const std::string& name) { return name != index; });
        for (const auto& name : names) {
            if (name == index) MarkIndexPair(m_SourcePaths.size());
            m_SourcePaths.push_back(from + name);
            m_DestPaths.push_back(to + name);
        }
    };
    pairFolder(source.imageFolder(), target.imageFolder(), kPictureIndexName);
    pairFolder(source.detailFolder(), target.detailFolder(), kCommentIndexName);
    MarkIndexPair(m_SourcePaths.size());
    m_SourcePaths.push_back(source.pointFolder() + kRecordFileName);
    m_DestPaths.push_back(target.pointFolder() + kRecordFileName);
    return CTransferData::CopyToMedia(workRoot, driveRoot, progress, cancel);
}

}  // namespace points
