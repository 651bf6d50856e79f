#pragma once
// The point store: the program's single in-memory copy of the registered points. It holds the
// unit's 510 slots with a state per slot, a picture and a comment per point, and the unit's group
// table; reads and writes the unit's file set, the card set and PC work files; and merges the
// unit's points with the PC's. Slots 0 to 9 and groups 11 and 12 belong to the unit: they are
// kept and written back to it, never listed, counted, validated or written to a PC file.
//
// Operations return non-zero for success and zero for failure; a failure leaves ResultCode() and
// ErrorText() set. Texts are CP932 in records and entries; error texts are UTF-8. Every slot
// argument is checked: no operation touches anything outside slots 0 to 509.
#include <points/PointEntry.h>
#include <points/PointGroupTable.h>
#include <points/PointRecordFileReader.h>
#include <points/PointSlot.h>

#include <transfer/TransferData.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace points {

class PointFolders;

class CPointData : public CTransferData {
public:
    // Selections of the points to write.
    static constexpr int kSelectListed = 10;   // every listed point in state 1, 2 or 3
    static constexpr int kSelectChanged = 11;  // listed points in state 3 only
    // Read modes of ReadPointFile.
    static constexpr int kReplacePcPoints = 0;
    static constexpr int kAddToPcPoints = 1;
    // Kinds of WriteIndexFile.
    static constexpr int kPictureIndex = 16;
    static constexpr int kCommentIndex = 32;
    // Bytes of a group name buffer (at most 43 bytes of text and the NUL).
    static constexpr int kGroupNameBytes = 44;

    CPointData();
    ~CPointData() override;

    // Back to the state at start: every slot empty, no group table, both flags clear.
    void Empty();

    // --- Queries and single points ---
    // The slot's state, or -1 outside slots 0 to 509.
    int GetPointState(int slot) const;
    // Stores a state of 0 to 3; refuses other states and slots outside 0 to 509.
    bool SetPointState(int slot, int state);
    // The lowest empty slot from 10 while fewer than 200 points are held; else -1 (code 18).
    int FindFreeSlot();
    // The name of group 0 to 10 (the unit's, or the default "グループなし", "グループ１", ...)
    // as CP932 in `buffer` (kGroupNameBytes bytes). Fails for other groups or a null buffer.
    bool GetGroupName(int group, char* buffer) const;
    // Whether GetPoint gives the slot's point (returns 2): a used slot from 10 outside groups 11
    // and 12.
    bool IsListed(int slot) const;
    // Zero-fills `entry` and points its picture at the slot's holder. Returns 2 with the point's
    // fields for a listed point; 1 with nothing else filled for slots 0 to 9, an empty slot or
    // groups 11 and 12; 0 for a null entry or a slot outside 0 to 509.
    int GetPoint(int slot, PointEntry* entry);
    // Adds (empty slot) or updates the point in slot 10 to 509 from the entry; state 3.
    bool PutPoint(int slot, const PointEntry* entry);
    bool DeletePoint(int slot);
    // Fills the clip with the point of slot 10 to 509; its picture is a copy in the store's
    // scratch holder, valid until the next CopyPoint.
    bool CopyPoint(int slot, PointClip* clip);
    // Puts the clip's point into an empty slot from FindFreeSlot; state 3.
    bool PastePoint(int slot, const PointClip* clip);
    // Gives slot 10 to 509 the comment (at most 4096 bytes, with a new name), or removes it when
    // the text is null or empty.
    bool SetComment(int slot, const char* text);

    // --- Whole store ---
    void DeleteUnitPoints();  // every point in state 1; the modified flag keeps its value
    void DeletePcPoints();    // every point in state 2 or 3; clears the modified flag
    void MarkSaved();         // state 3 -> 2; clears the modified flag
    void MarkSent();          // states 2, 3 -> 1; clears the modified flag
    // Whether n more points fit beside the PC points (states 2, 3) of slots 10 to 509 (code 20).
    bool CanAddPoints(int n);
    void SetTransferAllowed(bool allowed) { m_TransferAllowed = allowed; }
    bool IsTransferAllowed() const { return m_TransferAllowed; }
    bool IsModified() const { return m_Modified; }
    void SetModified(bool modified) { m_Modified = modified; }
    // Points held: slots 0 to 509 in state 1, 2 or 3 whose group is not 11 or 12.
    int PointCount() const;
    // Validation before saving or sending (target 1 USB, 2 removable media; no difference):
    // the first listed point out of range (code 21, text with its name) or without a name
    // (code 27) fails it; the position is checked before the name.
    bool Check(int target);
    // The position lies within longitude 122°0'0.0" to 153°59'59.9" and latitude 22°0'0.0" to
    // 56°40'0.0", bounds included (code 28).
    bool CheckPosition(std::int32_t longitude, std::int32_t latitude);

    // --- Files ---
    // Reads a PC work file: mode 0 replaces the PC points, mode 1 adds to them.
    bool ReadPointFile(const std::string& path, int mode);
    // Writes a PC work file with selection 10 or 11, with its pictures and comments.
    bool WritePointFile(const std::string& path, int selection);
    // Writes the card set under `root`; slot states are left as they were.
    bool WriteForMedia(const std::string& root);
    // Writes the unit set under `root` and fills the transfer file names. Needs the
    // transfer-allowed flag (code 22).
    bool WriteForUsb(const std::string& root);
    // Reads the unit set's record file under `root` into the staging area; `count` receives the
    // listed points in it.
    bool StageUnitFile(const std::string& root, int& count);
    // Replaces the unit points by the staged file's points with the unit set's pictures,
    // comments and groups; the PC points are kept and move to free slots.
    bool MergeUnitPoints(const std::string& root);
    // Fills the transfer file names with the files to fetch from the unit and returns how many;
    // see the definition for the empty path and for a received file's path.
    int ListUnitFiles(const std::string& path);
    // Bytes the unit set (cardLayout 0) or the card set would take on root's volume.
    std::uint64_t EstimateTransferSize(const std::string& root, int cardLayout) const;
    std::uint64_t MediaBytes(const std::string& driveRoot) const;
    // The unit set's size in the temporary folder, where transfers build their work folder.
    std::uint64_t RequiredBytes() const;

    // --- Transfer base ---
    bool CopyToMedia(const std::string& workRoot, const std::string& driveRoot,
                     platform::MessageTarget* progress, platform::Event* cancel) override;
    // The point store's reads and writes are the operations above; these do nothing.
    bool Load(const std::string& path) override;
    bool Save(const std::string& path) override;
    std::string ErrorText() const override;

    // The group table as read from the unit (all zero before).
    const PointGroupTable& GroupTable() const { return m_Groups; }

private:
    static bool isSlot(int slot) { return slot >= 0 && slot < kSlotCount; }
    static bool isUserSlot(int slot) { return slot >= kFirstUserSlot && slot < kSlotCount; }

    void clearSlot(PointSlot& slot);
    void setFreshStamps(PointRecord& record) const;
    void newPictureName(int slot);
    void setComment(int slot, std::string_view text);
    void removeComment(int slot);
    int countUserPoints(int firstSlot, bool (*stateMatches)(std::int32_t)) const;
    static bool matchesSelection(std::int32_t state, int selection);
    std::vector<int> selectPcPoints(int selection) const;

    // File helpers; each sets its own code on failure.
    bool ReadCommentFile(int slot, const std::string& path);
    bool WriteCommentFile(const std::string& text, const std::string& path);
    bool WritePictureFile(int slot, const std::string& path);
    bool ReadGroupFile(const std::string& folder);
    bool WriteGroupFile(const std::string& folder);
    bool WriteIndexFile(const std::string& folder, int kind, int selection);
    bool loadPicture(int slot, const std::string& path);
    bool writePointSidecars(int slot, const PointFolders& folders);
    bool writeUnitPicturesAndComments(const PointFolders& folders);
    void loadUnitSlot(int slot, const PointFolders& folders);
    void readPcEntry(int slot, const PointRecord& record, const PointFolders& folders);

    struct KeptPoint;
    std::vector<KeptPoint> keepPcPoints() const;
    bool putBack(const std::vector<KeptPoint>& kept);

    std::array<PointSlot, kSlotCount> m_Slots;
    PictureHolder m_ScratchPicture;
    PointGroupTable m_Groups{};
    bool m_Modified = false;
    bool m_TransferAllowed = false;
    PointRecordFileReader m_Staging{kSlotCount};
    bool m_Staged = false;
    std::string m_OutOfRangeText;  // text 21 formatted with the failing point's name
};

}  // namespace points
