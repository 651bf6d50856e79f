// The point store's PC-side files: PC work files, the card set and the unit set, with their
// pictures, comments, group file and index files.
#include <points/CPointData.h>

#include <points/PictureLoader.h>
#include <points/PointCommentFileReader.h>
#include <points/PointCommentFileWriter.h>
#include <points/PointFileNames.h>
#include <points/PointFolders.h>
#include <points/PointGroupFileReader.h>
#include <points/PointGroupFileWriter.h>
#include <points/PointIndexFileWriter.h>
#include <points/PointPictureFileWriter.h>
#include <points/PointRecordFileWriter.h>
#include <points/PointResult.h>

#include <platform/Cp932.h>

#include <cstring>

namespace points {
namespace {

std::string fieldString(const char* field, std::size_t size) {
    return std::string(platform::fieldText(field, size));
}

std::string pictureNameOf(const PointRecord& r) {
    return fieldString(r.pictureName, sizeof r.pictureName);
}

std::string commentNameOf(const PointRecord& r) {
    return fieldString(r.commentName, sizeof r.commentName);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Single files

bool CPointData::ReadCommentFile(int slot, const std::string& path) {
    if (!isSlot(slot)) return false;
    std::string text;
    const int code = PointCommentFileReader::read(path, text);
    if (code != kPointOk) {
        SetResultCode(code);
        return false;
    }
    m_Slots[slot].comment = std::move(text);
    platform::copyCp932Field(m_Slots[slot].record.commentName, kFileNameBytes,
                             PointFileNames::commentName(PointStamp::now(), slot));
    m_Slots[slot].commentChanged = true;
    return true;
}

bool CPointData::WriteCommentFile(const std::string& text, const std::string& path) {
    const int code = PointCommentFileWriter::write(path, text);
    if (code != kPointOk) SetResultCode(code);
    return code == kPointOk;
}

bool CPointData::WritePictureFile(int slot, const std::string& path) {
    if (!isSlot(slot) || !PointPictureFileWriter::write(path, m_Slots[slot].picture)) {
        SetResultCode(kPictureSaveFailed);
        return false;
    }
    return true;
}

bool CPointData::loadPicture(int slot, const std::string& path) {
    return PictureLoader::load(path, PictureLoader::kPointPictureWidth,
                               PictureLoader::kPointPictureHeight, m_Slots[slot].picture);
}

bool CPointData::ReadGroupFile(const std::string& folder) {
    const int code = PointGroupFileReader::read(folder + kGroupFileName, m_Groups);
    if (code != kPointOk) SetResultCode(code);
    return code == kPointOk;
}

bool CPointData::WriteGroupFile(const std::string& folder) {
    if (!PointGroupFileWriter::write(folder + kGroupFileName, m_Groups, PointStamp::nowOrZero())) {
        SetResultCode(kGroupSaveFailed);
        return false;
    }
    return true;
}

bool CPointData::matchesSelection(std::int32_t state, int selection) {
    if (selection == kSelectChanged) return state == kStateChanged;
    return state == kStateOnUnit || state == kStateSaved || state == kStateChanged;
}

bool CPointData::WriteIndexFile(const std::string& folder, int kind, int selection) {
    if (folder.empty() || (kind != kPictureIndex && kind != kCommentIndex)) {
        SetResultCode(kIndexSaveFailed);
        return false;
    }
    const bool pictures = kind == kPictureIndex;
    PointIndexFileWriter writer(pictures ? kPictureIndexKind : kCommentIndexKind);
    for (int slot = kFirstUserSlot; slot < kSlotCount; ++slot) {
        const auto& s = m_Slots[slot];
        if (!s.isUserPoint() || !matchesSelection(s.state, selection)) continue;
        if (pictures ? !s.picture.hasBits() : !s.comment) continue;
        const bool fromUnit = pictures ? s.pictureFromUnit : s.commentFromUnit;
        const bool changed = pictures ? s.pictureChanged : s.commentChanged;
        const std::int16_t code = !fromUnit ? PointIndexFileWriter::kChangeNew
                                  : changed ? PointIndexFileWriter::kChangeChanged
                                            : PointIndexFileWriter::kChangeNone;
        // The unit holds at most 200 points; an index has no room for more.
        if (!writer.add(static_cast<std::int16_t>(slot), code,
                        pictures ? pictureNameOf(s.record) : commentNameOf(s.record)))
            break;
    }
    const std::string name = folder + (pictures ? kPictureIndexName : kCommentIndexName);
    if (!writer.write(name, PointStamp::nowOrZero())) {
        SetResultCode(kIndexSaveFailed);
        return false;
    }
    return true;
}

// Writes the comment and the picture of a point next to a record file. Names that would leave
// their folder are refused.
bool CPointData::writePointSidecars(int slot, const PointFolders& folders) {
    const auto& s = m_Slots[slot];
    if (s.comment) {
        const std::string name = commentNameOf(s.record);
        if (!PointFileNames::isPlainFileName(name) ||
            !WriteCommentFile(*s.comment, folders.detailFolder() + name))
            return false;
    }
    if (s.picture.hasBits()) {
        const std::string name = pictureNameOf(s.record);
        if (!PointFileNames::isPlainFileName(name) ||
            !WritePictureFile(slot, folders.imageFolder() + name))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// PC work files

void CPointData::readPcEntry(int slot, const PointRecord& record, const PointFolders& folders) {
    auto& s = m_Slots[slot];
    clearSlot(s);
    s.record = record;
    s.record.slot = static_cast<std::int16_t>(slot);

    const std::string commentName = commentNameOf(s.record);
    if (!commentName.empty()) {
        if (!PointFileNames::isPlainFileName(commentName) ||
            !ReadCommentFile(slot, folders.detailFolder() + commentName)) {
            removeComment(slot);
            SetResultCode(kCommentFormatWrong);
        }
    }
    const std::string pictureName = pictureNameOf(s.record);
    if (!pictureName.empty()) {
        if (PointFileNames::isPlainFileName(pictureName) &&
            loadPicture(slot, folders.imageFolder() + pictureName)) {
            newPictureName(slot);
            s.pictureChanged = true;
        } else {
            std::memset(s.record.pictureName, 0, sizeof s.record.pictureName);
            s.picture.clear();
            SetResultCode(kPictureFormatWrong);
        }
    }
    s.state = kStateSaved;
}

bool CPointData::ReadPointFile(const std::string& path, int mode) {
    if (path.empty()) {
        SetResultCode(kFileNotFound);
        return false;
    }
    if (mode != kReplacePcPoints && mode != kAddToPcPoints) {
        SetResultCode(kRecordReadFailed);
        return false;
    }
    PointRecordFileReader reader(kPcEntryCount);
    if (const int code = reader.read(path); code != kPointOk) {
        SetResultCode(code);
        return false;
    }
    int incoming = 0;
    for (int i = 0; i < reader.entryCount(); ++i) {
        PointRecord record;
        reader.entry(i, record);
        if (record.slot != kEmptySlot) ++incoming;
    }
    const int kept = mode == kAddToPcPoints
                         ? PointCount()
                         : countUserPoints(kFirstUserSlot,
                                           [](std::int32_t s) { return s == kStateOnUnit; });
    if (kept + incoming > kPointLimit) {
        SetResultCode(kTooManyRecords);
        return false;
    }
    SetResultCode(kPointOk);
    const PointFolders folders = PointFolders::plain(PointFolders::folderOf(path));
    if (mode == kReplacePcPoints) DeletePcPoints();

    for (int i = 0; i < reader.entryCount(); ++i) {
        PointRecord record;
        reader.entry(i, record);
        if (record.slot == kEmptySlot) continue;
        const int slot = FindFreeSlot();
        if (slot < 0) return false;  // code 18; the points read so far stay
        readPcEntry(slot, record, folders);
    }
    m_Modified = false;
    return true;
}

std::vector<int> CPointData::selectPcPoints(int selection) const {
    std::vector<int> slots;
    for (int slot = kFirstUserSlot; slot < kSlotCount; ++slot)
        if (m_Slots[slot].isUserPoint() && matchesSelection(m_Slots[slot].state, selection))
            slots.push_back(slot);
    return slots;
}

bool CPointData::WritePointFile(const std::string& path, int selection) {
    if (path.empty() || (selection != kSelectListed && selection != kSelectChanged)) {
        SetResultCode(kRecordSaveFailed);
        return false;
    }
    const std::vector<int> slots = selectPcPoints(selection);
    // Points merged from an unusual unit file may exceed what a PC file holds: refuse rather than
    // drop some of them.
    if (slots.size() > static_cast<std::size_t>(kPcEntryCount)) {
        SetResultCode(kRecordLimit);
        return false;
    }
    const PointFolders folders = PointFolders::plain(PointFolders::folderOf(path));
    if (!folders.create()) {
        SetResultCode(kRecordSaveFailed);
        return false;
    }
    PointRecordFileWriter writer(kPcEntryCount);
    for (std::size_t k = 0; k < slots.size(); ++k) {
        PointRecord record = m_Slots[slots[k]].record;
        record.slot = static_cast<std::int16_t>(k);
        writer.setEntry(static_cast<int>(k), record);
        if (!writePointSidecars(slots[k], folders)) {
            SetResultCode(kRecordSaveFailed);
            return false;
        }
    }
    if (!writer.write(path, PointStamp::nowOrZero())) {
        SetResultCode(kRecordSaveFailed);
        return false;
    }
    SetResultCode(kPointOk);
    MarkSaved();
    return true;
}

bool CPointData::WriteForMedia(const std::string& root) {
    if (root.empty()) {
        SetResultCode(kRecordSaveFailed);
        return false;
    }
    const PointFolders folders = PointFolders::underRoot(root);
    if (!folders.create()) {
        SetResultCode(kRecordSaveFailed);
        return false;
    }
    std::array<std::int32_t, kSlotCount> states;
    for (int slot = 0; slot < kSlotCount; ++slot) states[slot] = m_Slots[slot].state;
    const bool modified = m_Modified;
    const bool written = WritePointFile(folders.pointFolder() + kRecordFileName, kSelectListed);
    for (int slot = 0; slot < kSlotCount; ++slot) m_Slots[slot].state = states[slot];
    m_Modified = modified;
    if (written) SetResultCode(kPointOk);
    return written;
}

// ---------------------------------------------------------------------------------------------
// The unit set

bool CPointData::writeUnitPicturesAndComments(const PointFolders& folders) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto& s = m_Slots[slot];
        if (!s.picture.hasBits()) continue;
        const std::string name = pictureNameOf(s.record);
        m_TransferFileNames.push_back(name);
        if (!PointFileNames::isPlainFileName(name) ||
            !WritePictureFile(slot, folders.imageFolder() + name))
            return false;
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto& s = m_Slots[slot];
        if (!s.comment) continue;
        const std::string name = commentNameOf(s.record);
        m_TransferFileNames.push_back(name);
        if (!PointFileNames::isPlainFileName(name) ||
            !WriteCommentFile(*s.comment, folders.detailFolder() + name))
            return false;
    }
    return true;
}

bool CPointData::WriteForUsb(const std::string& root) {
    m_TransferFileNames.clear();
    if (root.empty()) {
        SetResultCode(kRecordSaveFailed);
        return false;
    }
    if (!m_TransferAllowed) {
        SetResultCode(kTransferNotAllowed);
        return false;
    }
    const PointFolders folders = PointFolders::underRoot(root);
    if (!folders.create()) {
        SetResultCode(kRecordSaveFailed);
        return false;
    }
    PointRecordFileWriter writer(kSlotCount);
    for (int slot = 0; slot < kSlotCount; ++slot) writer.setEntry(slot, m_Slots[slot].record);

    if (!writeUnitPicturesAndComments(folders)) {
        SetResultCode(kRecordSaveFailed);
        return false;
    }
    std::size_t pictureCount = 0;
    for (const auto& s : m_Slots)
        if (s.picture.hasBits()) ++pictureCount;

    auto& names = m_TransferFileNames;
    names.insert(names.begin(), kRecordFileName);
    if (!writer.write(folders.pointFolder() + kRecordFileName, PointStamp::nowOrZero())) {
        SetResultCode(kRecordSaveFailed);
        return false;
    }
    names.push_back(kGroupFileName);
    if (!WriteGroupFile(folders.pointFolder())) return false;

    names.insert(names.begin() + 1, kPictureIndexName);
    if (!WriteIndexFile(folders.imageFolder(), kPictureIndex, kSelectListed)) return false;
    names.insert(names.begin() + 2 + static_cast<std::ptrdiff_t>(pictureCount), kCommentIndexName);
    if (!WriteIndexFile(folders.detailFolder(), kCommentIndex, kSelectListed)) return false;
    SetResultCode(kPointOk);
    return true;
}

}  // namespace points
