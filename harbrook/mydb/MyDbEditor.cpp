#include <mydb/MyDbEditor.h>

#include <mydb/MyDbCellInput.h>

#include <algorithm>
#include <filesystem>

MyDbEditor::MyDbEditor(CMyDbData& store, MyDbEditorUi& ui, std::string& folder,
                       std::string& fileName)
    : m_store(store), m_ui(ui), m_folder(folder), m_fileName(fileName), m_grid(store) {}

// ---------------------------------------------------------------- files

bool MyDbEditor::New() {
    if (m_store.IsModified() && !m_ui.AskYesNo(kLoseChangesQuestion)) return false;
    m_store.RemoveAllRows();
    return true;
}

bool MyDbEditor::Open() {
    if (m_store.IsModified()) {
        switch (m_ui.AskYesNoCancel(kSaveFirstQuestion)) {
            case MyDbEditorUi::Answer::kCancel:
                return false;
            case MyDbEditorUi::Answer::kYes:
                Save();
                if (m_store.IsModified()) return false;
                break;
            case MyDbEditorUi::Answer::kNo:
                break;
        }
    }
    return WithChosenFile(true);
}

bool MyDbEditor::Save() {
    return WithChosenFile(false);
}

bool MyDbEditor::WithChosenFile(bool open) {
    std::string path = m_fileName;
    if (!m_ui.ChooseFile(open, m_folder, path)) return false;
    if (!(open ? m_store.Load(path) : m_store.Save(path))) {
        ReportStoreError();
        return false;
    }
    const std::filesystem::path chosen(path);
    m_folder = chosen.parent_path().string();
    m_fileName = chosen.filename().string();
    return true;
}

void MyDbEditor::ReportStoreError() {
    m_ui.Inform(m_store.ErrorText());
}

// ---------------------------------------------------------------- rows

bool MyDbEditor::IsNewRowItem(int item) const {
    return item == m_store.GetRowCount() && item < CMyDbData::kMaxRows;
}

std::vector<int> MyDbEditor::SelectedRows(const Items& selection) const {
    std::vector<int> rows;
    for (int item : selection) {
        const int row = m_grid.ItemRow(item);
        if (row != MyDbGrid::kNewRowItem) rows.push_back(row);
    }
    return rows;
}

int MyDbEditor::InsertionRow(const Items& selection, int none) const {
    if (selection.empty()) return none;
    const int row = m_grid.ItemRow(selection.front());
    return row == MyDbGrid::kNewRowItem ? m_store.GetRowCount() : row;
}

bool MyDbEditor::CanChangeRows(const Items& selection) const {
    return !selection.empty() && !(selection.size() == 1 && IsNewRowItem(selection.front()));
}

int MyDbEditor::Delete(const Items& selection) {
    if (selection.empty()) return -1;
    // Rows are marked first and removed last first, so that no removal moves a marked row.
    MyDbRow row;
    for (int i = 0; i < m_store.GetRowCount(); ++i) {
        if (m_store.GetRow(i, row) && row.deleteMark != 0) {
            row.deleteMark = 0;
            m_store.ReplaceRow(i, row);
        }
    }
    for (int index : SelectedRows(selection)) {
        if (!m_store.GetRow(index, row)) continue;
        row.deleteMark = 1;
        m_store.ReplaceRow(index, row);
    }
    for (int i = m_store.GetRowCount() - 1; i >= 0; --i) {
        if (m_store.GetRow(i, row) && row.deleteMark != 0) m_store.DeleteRow(i);
    }
    return selection.front();
}

void MyDbEditor::Insert(const Items& selection) {
    if (selection.empty()) return;
    if (!m_store.InsertRow(InsertionRow(selection, 0), mydb::blankRow())) ReportStoreError();
}

void MyDbEditor::Copy(const Items& selection) {
    m_buffer.clear();
    MyDbRow row;
    for (int index : SelectedRows(selection)) {
        if (!m_store.GetRow(index, row)) continue;
        row.deleteMark = 0;
        m_buffer.push_back(row);
    }
}

int MyDbEditor::Cut(const Items& selection) {
    Copy(selection);
    return Delete(selection);
}

void MyDbEditor::Paste(const Items& selection) {
    const int target = InsertionRow(selection, 0);
    std::string reported;
    for (std::size_t i = 0; i < m_buffer.size(); ++i) {
        if (m_store.InsertRow(target + static_cast<int>(i), m_buffer[i])) continue;
        // Every later row is still tried; a full store would otherwise repeat its message for
        // every remaining row.
        const std::string text = m_store.ErrorText();
        if (text != reported) m_ui.Inform(text);
        reported = text;
    }
}

// ---------------------------------------------------------------- cell editing

bool MyDbEditor::EndEdit(const Items& selection, int item, int column, const std::string& cp932) {
    const std::optional<std::string> text = MyDbCellInput::Accept(column, cp932);
    if (!text) {
        RejectEdit();
        return false;
    }
    const bool inSelection = std::find(selection.begin(), selection.end(), item) != selection.end();
    const Items targets = inSelection ? selection : Items{item};
    if (targets.size() > 1 && !m_ui.AskYesNo(kSeveralRowsQuestion)) return false;
    bool changed = false;
    for (int target : targets) changed = SetCell(target, column, *text) || changed;
    return changed;
}

void MyDbEditor::RejectEdit() {
    m_ui.Inform(kRejectedText);
}

bool MyDbEditor::SetCell(int item, int column, const std::string& text) {
    MyDbRow row;
    int index = m_grid.ItemRow(item);
    if (IsNewRowItem(item)) {
        row = mydb::blankRow();
        mydb::setField(row, MyDbField::Command, MyDbCellInput::ImpliedCommand(column));
        index = m_store.GetRowCount();
        if (!m_store.InsertRow(index, row)) {
            ReportStoreError();
            return false;
        }
    } else if (!m_store.GetRow(index, row)) {
        return false;
    }
    // A row of several selected ones that lacks the column keeps its hidden field empty.
    if (!MyDbGrid::MayEdit(&row, column)) return false;
    mydb::setField(row, static_cast<MyDbField>(column), text);
    return m_store.ReplaceRow(index, row);
}
