// The music view's commands and their enabled states.
#include <music/view/MusicView.h>

#include <music/view/MusicInfoDlg.h>
#include <music/view/MusicListModel.h>
#include <music/view/MusicReportDlg.h>
#include <music/view/MusicTreeModel.h>

#include <music/MusicData.h>
#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <shell/gui/FileDialog.h>
#include <shell/gui/MessageDlg.h>
#include <shell/gui/TextAdapter.h>
#include <songbase/Songbase.h>
#include <ui/PcFilePane.h>
#include <ui/SkinList.h>
#include <ui/SkinTree.h>

#include <platform/Cp932.h>

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

const char* const CMusicView::kDiscardQuestion = "更新は失われますがよろしいですか？";
const char* const CMusicView::kSaveFirstQuestion = "保存されていないデータがあります。\r\r保存しますか？";

namespace {

QString utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<int> toVector(const QList<int>& rows) {
    return {rows.begin(), rows.end()};
}

}  // namespace

bool CMusicView::onCommand(int id) {
    switch (id) {
        case cmd::kUpdate:
            if (!m_add) Refill();
            return true;
        case cmd::kInit:
            Init();
            return true;
        case cmd::kSaveEx:
            SaveList();
            return true;
        default:
            return IsActive() && !m_add && RunCommand(id);
    }
}

bool CMusicView::RunCommand(int id) {
    switch (id) {
        case cmd::kFileNew: NewList(); return true;
        case cmd::kFileOpen: OpenList(); return true;
        case cmd::kFileSave: SaveList(); return true;
        case cmd::kEdit: Edit(); return true;
        case cmd::kEditCopy: Copy(); return true;
        case cmd::kEditPaste: Paste(); return true;
        case cmd::kEditClear: DeleteSelection(); return true;
        case cmd::kNewPlaylist: NewPlayList(); return true;
        case cmd::kMoveUp: Move(-1); return true;
        case cmd::kMoveDown: Move(1); return true;
        case cmd::kAddToList: AddFromPc(); return true;
        case cmd::kExplorer: OpenPcFolder(); return true;
        case cmd::kProperties: Properties(); return true;
        case cmd::kRefresh: m_pcPane->Refresh(); return true;
        default: return false;
    }
}

std::optional<bool> CMusicView::commandEnabled(int id) {
    if (id == cmd::kUpdate || id == cmd::kInit || id == cmd::kSaveEx) return true;
    if (!IsActive()) return std::nullopt;
    const bool idle = !m_add;
    const bool onTree = m_pane == Pane::PlayTree;
    const bool onList = m_pane == Pane::TransferList;
    const bool rightSelection =
        (onTree && TreePlayList() >= 0) || (onList && !SelectedRows().isEmpty());
    switch (id) {
        case cmd::kFileNew:
        case cmd::kFileOpen:
        case cmd::kFileSave:
        case cmd::kRefresh:
            return idle;
        case cmd::kEdit:
        case cmd::kEditCopy:
        case cmd::kEditClear:
            return idle && rightSelection;
        case cmd::kEditPaste:
            return idle && !m_clip.Empty();
        case cmd::kNewPlaylist:
            return idle && CSongbase::GetPlayListCount() < kMaxPlayLists;
        case cmd::kMoveUp:
            return idle && CanMove(-1);
        case cmd::kMoveDown:
            return idle && CanMove(1);
        case cmd::kAddToList:
            return idle && !PcItems().empty();
        case cmd::kExplorer: {
            const std::vector<MusicAddItem> items = PcItems();
            return idle && items.size() == 1 && items.front().isFolder;
        }
        case cmd::kProperties:
            return idle && (rightSelection || ((m_pane == Pane::FolderTree ||
                                                m_pane == Pane::FileList) && !PcItems().empty()));
        default:
            return std::nullopt;
    }
}

// ---------------------------------------------------------------- files

void CMusicView::NewList() {
    if (m_doc.IsModified() &&
        ShowMessage(utf8(kDiscardQuestion), CMessageDlg::kYesNo) != CMessageDlg::kYes) {
        return;
    }
    m_doc.ClearAll();
    m_doc.SetModified(false);
    Refill();
    ShowPlayList(-1);
}

void CMusicView::OpenList() {
    if (m_doc.IsModified()) {
        const int answer = ShowMessage(utf8(kSaveFirstQuestion), CMessageDlg::kYesNoCancel);
        if (answer == CMessageDlg::kCancel) return;
        if (answer == CMessageDlg::kYes && !SaveList()) return;
    }
    AppSettings& settings = m_app.m_Settings;
    QString path = QString::fromStdString(settings.exFileSpec);
    if (!CFileDialog::FileNameDlg(window(), CFileDialog::kMusicList, 1,
                                  QString::fromStdString(settings.exIniFolder), path)) {
        return;
    }
    RememberListFile(path);
    if (!m_doc.Load(path.toStdString())) ShowDocumentMessage();
    Refill();
    ShowPlayList(-1);
}

bool CMusicView::SaveList() {
    AppSettings& settings = m_app.m_Settings;
    QString path = QString::fromStdString(settings.exFileSpec);
    if (!CFileDialog::FileNameDlg(window(), CFileDialog::kMusicList, 0,
                                  QString::fromStdString(settings.exIniFolder), path)) {
        return false;
    }
    RememberListFile(path);
    if (m_doc.Save(path.toStdString())) return true;
    ShowDocumentMessage();
    return false;
}

void CMusicView::RememberListFile(const QString& path) {
    const QFileInfo chosen(path);
    m_app.m_Settings.exFileSpec = chosen.fileName().toStdString();
    m_app.m_Settings.exIniFolder = chosen.absolutePath().toStdString() + "/";
}

void CMusicView::Init() {
    m_pcPane->RestoreFolder();
    Refill();
}

// ---------------------------------------------------------------- the transfer list

void CMusicView::Edit() {
    if (m_pane == Pane::PlayTree) {
        if (TreePlayList() >= 0) m_tree->EditItem(m_tree->currentIndex());
        return;
    }
    const QModelIndex current = m_list->currentIndex();
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty()) return;
    const int row = current.isValid() && rows.contains(current.row()) ? current.row() : rows.front();
    m_list->EditCell(row, MusicListModel::kTitle);
}

void CMusicView::Copy() {
    if (m_pane == Pane::PlayTree) {
        m_clip.CopyPlayLists(m_doc, {TreePlayList()});
    } else if (m_listModel->ShowsTracks()) {
        m_clip.CopyTracks(m_doc, m_listModel->PlayList(), toVector(SelectedRows()));
    } else {
        m_clip.CopyPlayLists(m_doc, toVector(SelectedRows()));
    }
}

void CMusicView::Paste() {
    m_doc.ClearReport();
    const QList<int> rows = SelectedRows();
    const bool onList = m_pane == Pane::TransferList;
    bool refused = false;
    std::vector<int> made;  // playlists this paste made, removed again when left empty
    int shown = m_listModel->PlayList();
    if (m_clip.HoldsPlayLists()) {
        int at = CSongbase::GetPlayListCount();
        if (m_pane == Pane::PlayTree && TreePlayList() >= 0) at = TreePlayList();
        if (onList && !m_listModel->ShowsTracks() && !rows.isEmpty()) at = rows.front();
        const int inserted = m_clip.PastePlayLists(m_doc, at, &refused);
        for (int list = at; list < at + inserted; ++list) made.push_back(list);
        shown = -1;
    } else {
        int list = m_pane == Pane::PlayTree ? TreePlayList() : m_listModel->PlayList();
        if (onList && !m_listModel->ShowsTracks()) list = rows.isEmpty() ? -1 : rows.front();
        int at = list >= 0 ? CSongbase::GetTrackCount(list) : 0;
        if (onList && m_listModel->ShowsTracks() && !rows.isEmpty()) at = rows.front();
        if (list < 0) {
            refused = m_doc.NewPlayList(nullptr) != 0;
            list = refused ? -1 : CSongbase::GetPlayListCount() - 1;
            if (list >= 0) made.push_back(list);
        }
        if (list >= 0) m_clip.PasteTracks(m_doc, list, at, &refused);
        shown = list;
    }
    const bool removed = RemoveEmptyPlayLists(made);
    if (refused || removed) ShowReport();
    Refill();
    if (shown < CSongbase::GetPlayListCount()) ShowPlayList(shown);
}

bool CMusicView::RemoveEmptyPlayLists(std::vector<int> lists) {
    std::sort(lists.rbegin(), lists.rend());
    bool removed = false;
    MusicProperties properties{};
    for (int list : lists) {
        if (CSongbase::GetTrackCount(list) > 0 || !m_doc.GetProperties(list, -1, &properties))
            continue;
        if (m_doc.Delete(list, -1)) {
            m_doc.NoteRemovedPlayList(platform::cp932ToUtf8Lossy(properties.title));
            removed = true;
        }
    }
    return removed;
}

void CMusicView::DeleteSelection() {
    if (m_pane == Pane::PlayTree) {
        const int list = TreePlayList();
        if (list >= 0 && !m_doc.Delete(list, -1)) ShowDocumentMessage();
        Refill();
        ShowPlayList(-1);
        FocusTree();
        return;
    }
    const QList<int> rows = SelectedRows();
    const bool tracks = m_listModel->ShowsTracks();
    const int list = m_listModel->PlayList();
    // Last first, so that the rows still to go keep their numbers.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (!(tracks ? m_doc.Delete(list, *row) : m_doc.Delete(*row, -1))) {
            ShowDocumentMessage();
            break;
        }
    }
    Refill();
    if (!rows.isEmpty()) SelectRows({std::min(rows.front(), m_listModel->rowCount() - 1)});
}

void CMusicView::NewPlayList() {
    if (m_doc.NewPlayList(nullptr) != 0) {
        ShowDocumentMessage();
        return;
    }
    Refill();
    ShowPlayList(CSongbase::GetPlayListCount() - 1);
    FocusTree();
}

bool CMusicView::CanMove(int step) const {
    const QList<int> rows = SelectedRows();
    if (m_pane == Pane::PlayTree) {
        const int list = TreePlayList();
        return list >= 0 && list + step >= 0 && list + step < CSongbase::GetPlayListCount();
    }
    if (m_pane != Pane::TransferList || rows.size() != 1) return false;
    const int target = rows.front() + step;
    return target >= 0 && target < m_listModel->rowCount();
}

void CMusicView::Move(int step) {
    if (!CanMove(step)) return;
    if (m_pane == Pane::PlayTree) {
        const int list = TreePlayList();
        MovePlayList(list, list + step);
        Refill();
        ShowPlayList(list + step);
        FocusTree();
        return;
    }
    const int row = SelectedRows().front();
    if (m_listModel->ShowsTracks()) {
        MoveTrack(m_listModel->PlayList(), row, row + step);
    } else {
        MovePlayList(row, row + step);
    }
    Refill();
    SelectRows({row + step});
}

// ---------------------------------------------------------------- the PC panes

std::vector<MusicAddItem> CMusicView::PcItems() const {
    std::vector<MusicAddItem> items;
    if (m_pane == Pane::FileList) {
        for (const ShellItem& item : m_pcPane->SelectedItems())
            items.push_back({item.path.toStdString(), toCp932(item.name), item.isFolder});
        return items;
    }
    const QString folder = m_pcPane->TreeFolder();
    if (!folder.isEmpty()) {
        const QString name = m_pcPane->FolderTree()->currentIndex().data().toString();
        items.push_back({folder.toStdString(),
                         toCp932(name.isEmpty() ? QFileInfo(folder).fileName() : name), true});
    }
    return items;
}

void CMusicView::AddFromPc() {
    const int target = m_listModel->ShowsTracks() ? m_listModel->PlayList() : -1;
    AddItems(PcItems(), target);
}

void CMusicView::OpenPcFolder() {
    const std::vector<MusicAddItem> items = PcItems();
    if (items.size() == 1 && items.front().isFolder)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(items.front().path)));
}

void CMusicView::Properties() {
    if (m_pane == Pane::FolderTree || m_pane == Pane::FileList) {
        const std::vector<MusicAddItem> items = PcItems();
        if (!items.empty()) CMusicInfoDlg::ShowFile(QString::fromStdString(items.front().path), window());
        return;
    }
    int list = -1;
    int track = -1;
    if (m_pane == Pane::PlayTree) {
        list = TreePlayList();
    } else if (!SelectedRows().isEmpty()) {
        const int row = SelectedRows().front();
        list = m_listModel->PlayListOfRow(row);
        if (m_listModel->ShowsTracks()) track = row;
    }
    MusicProperties properties{};
    if (list < 0 || !m_doc.GetProperties(list, track, &properties)) return;
    CMusicInfoDlg::ShowProperties(properties, track >= 0, window());
}

// ---------------------------------------------------------------- messages

void CMusicView::ShowReport() {
    CMusicReportDlg::Show(utf8(m_doc.ReportText()), utf8(m_doc.ErrorText()), window());
}

void CMusicView::ShowDocumentMessage() {
    const std::string text = m_doc.ErrorText();
    if (!text.empty()) ShowMessage(utf8(text), CMessageDlg::kInformation);
}
