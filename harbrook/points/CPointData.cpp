// The point store: slots, single points, whole-store operations and validation. The file
// operations are in CPointDataFiles.cpp and CPointDataUnit.cpp.
#include <points/CPointData.h>

#include <points/PointFileNames.h>
#include <points/PointResult.h>
#include <points/PointStamp.h>

#include <outside/Atlasgate.h>
#include <platform/Cp932.h>

#include <cstring>

namespace points {
namespace {

// Names shown for groups 0 to 10 while the unit's group table has none (UTF-8 here, CP932 out).
const char* const kDefaultGroupNames[] = {
    "グループなし", "グループ１", "グループ２", "グループ３", "グループ４", "グループ５",
    "グループ６",   "グループ７", "グループ８", "グループ９", "グループ１０",
};
constexpr int kLastUserGroup = 10;

// Copies a field of an entry or record into another field, NUL-terminated, at most
// targetSize - 1 bytes, cut on a character boundary.
template <std::size_t TargetSize, std::size_t SourceSize>
void copyField(char (&target)[TargetSize], const char (&source)[SourceSize]) {
    platform::copyCp932Field(target, TargetSize, platform::fieldText(source, SourceSize));
}

void copyComment(char (&target)[kCommentBufferBytes], const std::optional<std::string>& comment) {
    platform::copyCp932Field(target, sizeof target, comment ? *comment : std::string());
}

}  // namespace

CPointData::CPointData() {
    for (const auto& text : pointErrorTexts()) AddErrorText(text);
    Empty();
}

CPointData::~CPointData() = default;

void CPointData::Empty() {
    for (auto& slot : m_Slots) clearSlot(slot);
    m_ScratchPicture.clear();
    std::memset(&m_Groups, 0, sizeof m_Groups);
    m_Modified = false;
    m_TransferAllowed = false;
}

void CPointData::clearSlot(PointSlot& slot) {
    clearPointRecord(slot.record);
    slot.state = kStateEmpty;
    slot.picture.clear();
    slot.pictureFromUnit = slot.pictureChanged = false;
    slot.comment.reset();
    slot.commentFromUnit = slot.commentChanged = false;
}

void CPointData::setFreshStamps(PointRecord& record) const {
    const PointStamp now = PointStamp::nowOrZero();
    record.date1 = record.date2 = now.date;
    record.time1 = record.time2 = now.time;
}

void CPointData::newPictureName(int slot) {
    auto& record = m_Slots[slot].record;
    platform::copyCp932Field(record.pictureName, sizeof record.pictureName,
                             PointFileNames::pictureName(PointStamp::now(), slot));
}

// A comment for slot 10 to 509; an empty text removes it.
void CPointData::setComment(int slot, std::string_view text) {
    auto& s = m_Slots[slot];
    s.commentChanged = true;
    if (text.empty()) {
        removeComment(slot);
        return;
    }
    s.comment = std::string(text.substr(0, platform::cp932CutLength(text, kCommentBufferBytes - 1)));
    platform::copyCp932Field(s.record.commentName, sizeof s.record.commentName,
                             PointFileNames::commentName(PointStamp::now(), slot));
}

void CPointData::removeComment(int slot) {
    auto& s = m_Slots[slot];
    s.comment.reset();
    std::memset(s.record.commentName, 0, sizeof s.record.commentName);
}

// ---------------------------------------------------------------------------------------------
// Queries and single points

int CPointData::GetPointState(int slot) const { return isSlot(slot) ? m_Slots[slot].state : -1; }

bool CPointData::SetPointState(int slot, int state) {
    if (!isSlot(slot) || state < kStateEmpty || state > kStateChanged) return false;
    m_Slots[slot].state = state;
    return true;
}

int CPointData::PointCount() const {
    int count = 0;
    for (const auto& s : m_Slots)
        if (s.state != kStateEmpty && s.isUserPoint()) ++count;
    return count;
}

int CPointData::FindFreeSlot() {
    if (PointCount() < kPointLimit) {
        for (int slot = kFirstUserSlot; slot < kSlotCount; ++slot)
            if (m_Slots[slot].isEmpty()) return slot;
    }
    SetResultCode(kRecordLimit);
    return -1;
}

bool CPointData::GetGroupName(int group, char* buffer) const {
    if (group < 0 || group > kLastUserGroup || !buffer) return false;
    const auto& entry = m_Groups.groups[group];
    std::string name(platform::fieldText(entry.name, sizeof entry.name));
    if (name.empty()) name = platform::utf8ToCp932(kDefaultGroupNames[group]).value_or("");
    platform::copyCp932Field(buffer, kGroupNameBytes, name);
    return true;
}

bool CPointData::IsListed(int slot) const {
    return isUserSlot(slot) && m_Slots[slot].isUserPoint();
}

int CPointData::GetPoint(int slot, PointEntry* entry) {
    if (!entry) return 0;
    *entry = PointEntry{};
    if (!isSlot(slot)) return 0;
    auto& s = m_Slots[slot];
    entry->picture = &s.picture;
    if (!IsListed(slot)) return 1;
    entry->group = s.record.group;
    copyField(entry->name, s.record.name);
    copyField(entry->reading, s.record.reading);
    copyField(entry->telephone, s.record.telephone);
    entry->state = s.state;
    entry->longitude = s.record.longitude;
    entry->latitude = s.record.latitude;
    copyComment(entry->comment, s.comment);
    return 2;
}

bool CPointData::PutPoint(int slot, const PointEntry* entry) {
    if (!isUserSlot(slot) || !entry) return false;
    auto& s = m_Slots[slot];
    // A new point's entry may carry its picture in this slot's own holder (GetPoint hands it
    // out), which starting the point afresh would clear: keep that picture aside first.
    const PictureHolder* picture = entry->picture;
    PictureHolder own;
    if (s.isEmpty()) {
        if (PointCount() >= kPointLimit) {
            SetResultCode(kRecordLimit);
            return false;
        }
        if (picture == &s.picture) {
            own.copyFrom(s.picture);
            picture = &own;
        }
        clearSlot(s);  // a new point starts without the flags of the slot's last occupant
        initNewPointRecord(s.record, static_cast<std::int16_t>(slot));
    }
    s.record.group = entry->group;
    copyField(s.record.name, entry->name);
    copyField(s.record.reading, entry->reading);
    copyField(s.record.telephone, entry->telephone);
    setFreshStamps(s.record);
    setPointPosition(s.record, entry->longitude, entry->latitude);

    setComment(slot, platform::fieldText(entry->comment, sizeof entry->comment));

    s.pictureChanged = true;
    if (picture && picture->hasBits()) {
        s.picture.copyFrom(*picture);
        newPictureName(slot);
    } else {
        s.picture.clear();
        std::memset(s.record.pictureName, 0, sizeof s.record.pictureName);
    }
    s.state = kStateChanged;
    m_Modified = true;
    return true;
}

bool CPointData::DeletePoint(int slot) {
    if (!isSlot(slot)) return false;
    auto& s = m_Slots[slot];
    clearPointRecord(s.record);
    s.comment.reset();  // for every slot: a comment left in an empty slot would be sent
    s.commentChanged = true;
    s.picture.clear();
    s.pictureChanged = true;
    s.state = kStateEmpty;
    m_Modified = true;
    return true;
}

bool CPointData::CopyPoint(int slot, PointClip* clip) {
    if (!isUserSlot(slot) || !clip) return false;
    const auto& s = m_Slots[slot];
    std::memset(static_cast<void*>(clip), 0, sizeof *clip);
    clip->record = s.record;
    clip->state = s.state;
    if (s.picture.hasBits()) {
        m_ScratchPicture.copyFrom(s.picture);
        clip->picture = &m_ScratchPicture;
    }
    copyComment(clip->comment, s.comment);
    return true;
}

bool CPointData::PastePoint(int slot, const PointClip* clip) {
    if (!isUserSlot(slot) || !clip) {
        SetResultCode(kGeneralError);
        return false;
    }
    if (PointCount() >= kPointLimit) {
        SetResultCode(kRecordLimit);
        return false;
    }
    auto& s = m_Slots[slot];
    if (s.isEmpty()) clearSlot(s);
    s.record = clip->record;
    s.record.slot = static_cast<std::int16_t>(slot);
    setFreshStamps(s.record);
    s.state = kStateChanged;
    // The clip's text may lack its terminator: take at most the buffer's bytes.
    setComment(slot, platform::fieldText(clip->comment, sizeof clip->comment));
    s.pictureChanged = true;
    if (clip->picture && clip->picture->hasBits()) {
        s.picture.copyFrom(*clip->picture);
        newPictureName(slot);
    } else if (clip->picture) {
        s.picture.clear();
    }
    // A name without a picture would announce a file that is never written.
    if (!s.picture.hasBits()) std::memset(s.record.pictureName, 0, sizeof s.record.pictureName);
    m_Modified = true;
    return true;
}

bool CPointData::SetComment(int slot, const char* text) {
    if (!isUserSlot(slot)) return false;
    setComment(slot, text ? std::string_view(text) : std::string_view());
    return true;
}

// ---------------------------------------------------------------------------------------------
// Whole store

void CPointData::DeleteUnitPoints() {
    const bool modified = m_Modified;
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (m_Slots[slot].state == kStateOnUnit) DeletePoint(slot);
    m_Modified = modified;
}

void CPointData::DeletePcPoints() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto state = m_Slots[slot].state;
        if (state == kStateSaved || state == kStateChanged) DeletePoint(slot);
    }
    m_Modified = false;
}

void CPointData::MarkSaved() {
    for (auto& s : m_Slots)
        if (s.state == kStateChanged) s.state = kStateSaved;
    m_Modified = false;
}

void CPointData::MarkSent() {
    for (auto& s : m_Slots)
        if (s.state == kStateSaved || s.state == kStateChanged) s.state = kStateOnUnit;
    m_Modified = false;
}

int CPointData::countUserPoints(int firstSlot, bool (*stateMatches)(std::int32_t)) const {
    int count = 0;
    for (int slot = firstSlot; slot < kSlotCount; ++slot)
        if (m_Slots[slot].isUserPoint() && stateMatches(m_Slots[slot].state)) ++count;
    return count;
}

bool CPointData::CanAddPoints(int n) {
    const int pcPoints = countUserPoints(
        kFirstUserSlot, [](std::int32_t s) { return s == kStateSaved || s == kStateChanged; });
    if (n + pcPoints > kPointLimit) {
        SetResultCode(kTooManyRecords);
        return false;
    }
    return true;
}

bool CPointData::CheckPosition(std::int32_t longitude, std::int32_t latitude) {
    static const int kMinLongitude[4] = {122, 0, 0, 0};
    static const int kMinLatitude[4] = {22, 0, 0, 0};
    static const int kMaxLongitude[4] = {153, 59, 59, 9};
    static const int kMaxLatitude[4] = {56, 40, 0, 0};
    sMapLonLat minimum{}, maximum{};
    CAtlasgate::CalcMapLonLat(kMinLongitude, kMinLatitude, &minimum);
    CAtlasgate::CalcMapLonLat(kMaxLongitude, kMaxLatitude, &maximum);
    if (longitude >= minimum.longitude && longitude <= maximum.longitude &&
        latitude >= minimum.latitude && latitude <= maximum.latitude)
        return true;
    SetResultCode(kPositionOutOfRange);
    return false;
}

bool CPointData::Check(int /*target*/) {
    for (int slot = kFirstUserSlot; slot < kSlotCount; ++slot) {
        const auto& s = m_Slots[slot];
        if (!s.isUserPoint()) continue;
        const std::string_view name = platform::fieldText(s.record.name, sizeof s.record.name);
        if (!CheckPosition(s.record.longitude, s.record.latitude)) {
            m_OutOfRangeText = "地点「" + platform::cp932ToUtf8Lossy(name) +
                               "」に範囲外の緯度・経度が設定されています";
            SetResultCode(kPointOutOfRange);
            return false;
        }
        if (name.empty()) {
            SetResultCode(kNameMissing);
            return false;
        }
    }
    return true;
}

std::string CPointData::ErrorText() const {
    if (ResultCode() == kPointOutOfRange && !m_OutOfRangeText.empty()) return m_OutOfRangeText;
    return CTransferData::ErrorText();
}

bool CPointData::Load(const std::string& /*path*/) { return true; }

bool CPointData::Save(const std::string& /*path*/) { return true; }

}  // namespace points
