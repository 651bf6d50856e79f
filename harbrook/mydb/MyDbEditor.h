#pragma once
// MyDbEditor: the commands of the myDB editor view, without the window: new, open, save, cell
// editing, delete, insert, and copy, cut and paste through the editor's own row buffer. Every
// change goes through the store's row operations; the view rebuilds its grid afterwards.
//
// Selections are grid items in grid order (see MyDbGrid): row items and the new-row item. Texts
// shown to the user are UTF-8; cell texts are code page 932.
#include <mydb/MyDbData.h>
#include <mydb/MyDbGrid.h>

#include <string>
#include <vector>

// What the commands ask of the window they run in.
class MyDbEditorUi {
public:
    enum class Answer { kYes, kNo, kCancel };

    virtual ~MyDbEditorUi() = default;
    // A message with an OK button; an empty text shows nothing.
    virtual void Inform(const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& text) = 0;
    virtual Answer AskYesNoCancel(const std::string& text) = 0;
    // The myDB file dialog (open or save) starting in `folder`; `path` holds the remembered file
    // name and receives the chosen file's full path. False when the user cancelled.
    virtual bool ChooseFile(bool open, const std::string& folder, std::string& path) = 0;
};

class MyDbEditor {
public:
    using Items = std::vector<int>;

    static constexpr const char* kLoseChangesQuestion = "更新は失われますがよろしいですか？";
    static constexpr const char* kSaveFirstQuestion =
        "保存されていないデータがあります。\r\r保存しますか？";
    static constexpr const char* kRejectedText = "適切でない文字が含まれています。";
    static constexpr const char* kSeveralRowsQuestion =
        "選択した全ての行に変更が適用されます。\r\r続行しますか？";

    // `folder` and `fileName` are the remembered myDB folder and file name (the settings), read
    // by the file dialogs and updated after every successful open or save.
    MyDbEditor(CMyDbData& store, MyDbEditorUi& ui, std::string& folder, std::string& fileName);

    const MyDbGrid& Grid() const { return m_grid; }
    const std::vector<MyDbRow>& RowBuffer() const { return m_buffer; }

    // --- Commands ---
    // Empties the store after asking when it holds unsaved changes. True when it was emptied.
    bool New();
    // Asks to save unsaved changes first, then opens a file. True when a file was loaded (the
    // grid then starts afresh at its top).
    bool Open();
    // Saves under a name the user chooses. True when saved.
    bool Save();
    // Deletes the rows of the selected items (the new-row item is ignored), last first. Returns
    // the item to select afterwards: the first selected one.
    int Delete(const Items& selection);
    // A blank row before the first selected item (at the end for the new-row item).
    void Insert(const Items& selection);
    void Copy(const Items& selection);
    int Cut(const Items& selection);
    // Inserts the row buffer before the first selected item (the first row when none; the end for
    // the new-row item). A failed insert is reported and the next row still tried; the same
    // failure is reported once.
    void Paste(const Items& selection);

    // --- Cell editing ---
    bool MayBeginEdit(int item, int column) const { return m_grid.MayEdit(item, column); }
    // The end of an edit of `column` on `item` with the new text: checks the text, asks before
    // changing several rows, and sets the field on every selected item's row (rows made from the
    // new-row item get the command the column implies). A selection that does not hold the edited
    // item changes that item alone. True when some row changed.
    bool EndEdit(const Items& selection, int item, int column, const std::string& cp932);
    // Refuses an edit whose text cannot be stored at all (characters outside code page 932).
    void RejectEdit();

    // --- Command states (the view adds "only while its mode is active") ---
    static bool CanEdit(const Items& selection) { return !selection.empty(); }
    // Copy, cut, delete and insert: some item selected other than the new-row item alone.
    bool CanChangeRows(const Items& selection) const;
    bool CanPaste(const Items& selection) const { return !m_buffer.empty() && !selection.empty(); }

private:
    // The rows of the selected row items in grid order.
    std::vector<int> SelectedRows(const Items& selection) const;
    // The insertion point of a selection: the first item's row, the end for the new-row item.
    int InsertionRow(const Items& selection, int none) const;
    bool IsNewRowItem(int item) const;
    // Sets `column` of one item's row, making the row from the new-row item. True when stored.
    bool SetCell(int item, int column, const std::string& text);
    // Loads (open) or saves the file the user chooses and remembers it. True on success.
    bool WithChosenFile(bool open);
    void ReportStoreError();

    CMyDbData& m_store;
    MyDbEditorUi& m_ui;
    std::string& m_folder;
    std::string& m_fileName;
    MyDbGrid m_grid;
    std::vector<MyDbRow> m_buffer;
};
