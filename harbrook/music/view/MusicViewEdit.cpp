// In-place editing of the music view's playlist labels and transfer list cells.
#include <music/view/MusicView.h>

#include <music/view/MusicListModel.h>
#include <music/view/MusicTreeModel.h>

#include <music/MusicData.h>
#include <shell/gui/MessageDlg.h>
#include <shell/gui/TextAdapter.h>
#include <ui/SkinList.h>
#include <ui/SkinTree.h>

const char* const CMusicView::kSeveralRowsQuestion =
    "選択した全てのトラックに変更が適用されます。\r\r続行しますか？";
const char* const CMusicView::kBadTextMessage = "適切でない文字が含まれています。";

namespace {

constexpr int kTitleChars = 32;
constexpr int kReadingChars = 64;
constexpr int kYearChars = 4;

void refuse() {
    ShowMessage(QString::fromUtf8(CMusicView::kBadTextMessage), CMessageDlg::kInformation);
}

}  // namespace

void CMusicView::ConnectEditing() {
    m_tree->SetEditHandlers(
        [this](const QModelIndex& index) {
            return !m_add && MusicTreeModel::PlayListOf(index) >= 0;
        },
        [this](ui::CellEdit& edit) { return EndTreeEdit(edit); });
    m_list->SetEditHandlers([this](const QModelIndex& index) { return BeginListEdit(index); },
                            [this](ui::CellEdit& edit) { return EndListEdit(edit); });
    // Editors per column for both kinds of rows: the genre column moves, so both are set as
    // the rows change.
    connect(m_listModel, &QAbstractItemModel::modelReset, this, [this] {
        for (int column = 0; column < m_listModel->columnCount(); ++column) {
            ui::CellEditor editor = ui::CellEditor::Text(kTitleChars);
            if (m_listModel->IsGenreColumn(column)) {
                editor = ui::CellEditor::DropDown(MusicListModel::GenreNames());
            } else if (!m_listModel->IsEditableColumn(column)) {
                editor = {};
            } else if (FieldOf(column) == MusicField::ReleaseYear) {
                editor = ui::CellEditor::Number(kYearChars);
            } else if (FieldOf(column) == MusicField::Reading ||
                       FieldOf(column) == MusicField::ArtistReading) {
                editor = ui::CellEditor::Text(kReadingChars);
            }
            m_list->SetColumnEditor(column, editor);
        }
    });
}

MusicField CMusicView::FieldOf(int column) const {
    if (m_listModel->IsGenreColumn(column)) return MusicField::Genre;
    switch (column) {
        case MusicListModel::kReading: return MusicField::Reading;
        case MusicListModel::kArtist: return MusicField::Artist;
        case MusicListModel::kArtistReading: return MusicField::ArtistReading;
        case MusicListModel::kReleaseYear: return MusicField::ReleaseYear;
        default: return MusicField::Title;
    }
}

bool CMusicView::BeginListEdit(const QModelIndex& index) const {
    return !m_add && index.isValid() && m_listModel->IsEditableColumn(index.column());
}

bool CMusicView::EndTreeEdit(ui::CellEdit& edit) {
    const int list = MusicTreeModel::PlayListOf(edit.index);
    bool storable = true;
    std::string text = toCp932(edit.text, &storable);
    MusicProperties properties{};
    if (!storable || !PrepareMusicField(MusicField::Title, text)) {
        refuse();
        return false;
    }
    if (!m_doc.GetProperties(list, -1, &properties)) return false;
    PutMusicField(properties, MusicField::Title, text);
    if (!m_doc.SetProperties(list, -1, properties)) ShowDocumentMessage();
    Refill();
    return true;
}

bool CMusicView::EndListEdit(ui::CellEdit& edit) {
    const int row = edit.index.row();
    const MusicField field = FieldOf(edit.index.column());
    bool storable = true;
    std::string text = toCp932(edit.text, &storable);
    if (!storable || !PrepareMusicField(field, text)) {
        refuse();
        return false;
    }
    QList<int> rows = SelectedRows();
    if (!rows.contains(row)) rows = {row};
    if (rows.size() > 1 && ShowMessage(QString::fromUtf8(kSeveralRowsQuestion),
                                       CMessageDlg::kYesNo) != CMessageDlg::kYes) {
        return false;
    }
    const bool tracks = m_listModel->ShowsTracks();
    for (int each : rows) {
        const int list = m_listModel->PlayListOfRow(each);
        const int track = tracks ? each : -1;
        MusicProperties properties{};
        if (!m_doc.GetProperties(list, track, &properties)) continue;
        PutMusicField(properties, field, text);
        if (!m_doc.SetProperties(list, track, properties)) {
            ShowDocumentMessage();
            break;
        }
    }
    m_treeModel->Refill();
    m_tree->expand(m_treeModel->RootIndex());
    m_tree->setCurrentIndex(tracks ? m_treeModel->PlayListIndex(m_listModel->PlayList())
                                   : m_treeModel->RootIndex());
    return true;
}
