#pragma once
// The myDB store: the rows of the unit's music-server text database "MYDB.txt", read from and
// written to code page 932 text, checked before they go to the unit, and written into a transfer
// work folder. Lives in CAppData for the whole run; touched only from the UI thread.
#include <mydb/MyDbLineParser.h>
#include <mydb/MyDbRow.h>
#include <transfer/TransferData.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CMyDbData : public CTransferData {
public:
    // Result codes of this store, entries 9 to 18 of its error text table.
    enum : int {
        kLoadError = 9,
        kSaveError = 10,
        kTooManyPlaylists = 11,
        kBadCommand = 12,           // message names the row
        kTrackNumberTooLarge = 13,  // message names the row
        kTooManyRows = 14,
        kMissingNo = 15,  // message names the row
        kNotMyDbFile = 16,
        kNoPlaylist = 17,      // message names the row
        kNotCodePage932 = 18,  // message names the line
    };
    static constexpr int kMaxRows = 10000;
    static constexpr int kMaxPlaylists = 100;
    static constexpr const char* kFileName = "MYDB.txt";
    static constexpr const char* kUsbFolder = "AVMTR";

    CMyDbData();

    // Reads a myDB file and replaces every row with its rows; on failure the rows stay as they
    // were. Clears the modified flag on success. Text that is not code page 932 fails with code
    // 18, naming the first such line.
    bool Load(const std::string& path) override;
    // The columns of the last successful load whose text the character rules refused (the rows
    // hold those fields empty), in file order.
    const std::vector<MyDbEmptiedField>& EmptiedFields() const { return m_Emptied; }
    // Writes every row; the previous file is replaced only by a complete new one. Clears the
    // modified flag on success.
    bool Save(const std::string& path) override;
    // One pair: sourceFolder/MYDB.txt to destFolder/MYDB.txt, then the base copier starts.
    bool CopyToMedia(const std::string& sourceFolder, const std::string& destFolder,
                     platform::MessageTarget* progress, platform::Event* cancel) override;
    // The table entry, or for a failed Check the message naming its row.
    std::string ErrorText() const override;

    int GetRowCount() const { return static_cast<int>(m_Rows.size()); }
    // A copy of row `index`; false when the index is out of range.
    bool GetRow(int index, MyDbRow& row) const;
    // Inserts before `index`; an index at or past the end places the row at that index, padding
    // with blank rows. False with code 6 for a negative index, code 14 when the table is full or
    // would grow past 10000 rows.
    bool InsertRow(int index, const MyDbRow& row);
    bool ReplaceRow(int index, const MyDbRow& row);
    bool DeleteRow(int index);
    // Empties the table; the modified flag keeps its value.
    void RemoveAllRows();
    // True with code 14 when 10000 rows are present; otherwise code 0 and false.
    bool CheckFull();

    bool IsModified() const { return m_Modified; }
    void SetModified(bool modified) { m_Modified = modified; }

    // The structural check before a transfer. False with the failure's code; codes 12, 13, 15
    // and 17 carry the 1-based row in ErrorText(). True with code 0.
    bool Check();

    // Field checks shared with the grid editor (see MyDbFieldCheck).
    static bool NumberCheck(std::string_view text, int minimum, int maximum, int maxLength);
    static bool YearCheck(std::string_view text);

    // Writes workFolder/AVMTR/MYDB.txt (creating AVMTR) and makes "MYDB.txt" the one transfer
    // file name. Unlike Save it leaves the modified flag alone: the PC-side file is not saved.
    bool WriteForUsb(const std::string& workFolder);
    // Writes workFolder/MYDB.txt for the copy to removable media; the modified flag stays.
    bool WriteForMedia(const std::string& workFolder);

    // Space the written file needs in the work folder's volume (the temporary folder's).
    std::uint64_t RequiredBytes() const;
    // Space the copied file needs on the volume holding `driveRoot`.
    std::uint64_t MediaBytes(const std::string& driveRoot) const;
    // The byte count both estimates start from: per row the nine fields' lengths plus 10.
    std::uint64_t EstimatedFileBytes() const;

private:
    bool WriteRows(const std::string& path);

    void SetRowMessage(int code, int row);

    std::vector<MyDbRow> m_Rows;
    std::vector<MyDbEmptiedField> m_Emptied;
    bool m_Modified = false;
    int m_RowMessageCode = 0;  // the code whose text m_RowMessage replaces
    std::string m_RowMessage;
};
