#pragma once
// CMusicView: the music transfer mode. On the left the PC file pane (folder tree and file list),
// on the right the transfer list pane (playlist tree with the root "PLAYLIST", and the playlists
// or the tracks of the selected playlist), a status strip below with the adding progress and the
// total music size. Music is added from the PC panes by command or by dragging (also from the
// desktop's file manager); playlists and tracks are edited in place, reordered, copied, pasted,
// deleted and shown in property dialogs. Every change goes through the music document; the panes
// are refilled from the store after each.
#include <music/view/MusicAddRun.h>
#include <music/view/MusicClipboard.h>
#include <music/view/MusicFieldEdit.h>
#include <shell/CommandTarget.h>

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class CAppData;
class CMusicData;
class CMusicStatus;
class CPcFilePane;
class CSkinList;
class CSkinPopupMenu;
class CSkinTree;
class CSplitPane;
class MusicListModel;
class MusicTreeModel;
class QSplitter;
namespace ui {
struct CellEdit;
struct PaneDrop;
}  // namespace ui

class CMusicView : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kPlayTreeId = 59650;
    static constexpr int kPlayListId = 59651;
    static const char* const kCaption;
    static const char* const kSeveralRowsQuestion;
    static const char* const kBadTextMessage;
    static const char* const kDiscardQuestion;
    static const char* const kSaveFirstQuestion;

    explicit CMusicView(CAppData& app, QWidget* parent = nullptr);
    ~CMusicView() override;

    bool onCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

    CPcFilePane* PcPane() const { return m_pcPane; }
    CSkinTree* PlayTree() const { return m_tree; }
    CSkinList* TransferList() const { return m_list; }
    MusicTreeModel* TreeModel() const { return m_treeModel; }
    MusicListModel* ListModel() const { return m_listModel; }
    const MusicClipboard& Clipboard() const { return m_clip; }
    CMusicStatus* Status() const { return m_status; }
    bool IsAdding() const { return m_add != nullptr; }

    // Shows the playlists (-1) or the tracks of `list` in the transfer list and selects it in
    // the tree.
    void ShowPlayList(int list);
    // Selects the transfer list's rows (ascending) and makes the list the pane commands act on.
    void SelectRows(const std::vector<int>& rows);
    // Makes the playlist tree the pane commands act on.
    void FocusTree();
    // Adds PC items as a drop or the add command does, into `target` (-1: new playlists).
    // The run goes on in steps; `wait` runs it to the end at once.
    void AddItems(std::vector<MusicAddItem> items, int target, bool wait = false);
    // Handles a drop on the tree or the list (tests call it directly).
    void DropOnTree(const ui::PaneDrop& drop);
    void DropOnList(const ui::PaneDrop& drop);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Pane { None, FolderTree, FileList, PlayTree, TransferList };

    // Layout and set-up.
    void BuildPanes();
    void ConnectEditing();
    void ConnectDrops();
    void OnTreeCurrent();
    // Selects the transfer list's rows without moving the focus.
    void MarkRows(const std::vector<int>& rows);
    // Fills the transfer list with the playlists (-1) or a playlist's tracks.
    void ShowList(int list);
    void OnFocusChanged(QWidget* now);
    void ShowContextMenu(CSkinList* list, CSkinTree* tree, const QPoint& pos);
    // The transfer list's column widths into the settings (PlayColumn).
    void StorePlayColumns();

    // Commands (MusicViewCommands.cpp).
    bool IsActive() const { return !isHidden(); }
    bool RunCommand(int id);
    void NewList();
    void OpenList();
    bool SaveList();
    // The last transfer list file's name and folder, for the next file dialog.
    void RememberListFile(const QString& path);
    void Edit();
    void Copy();
    void Paste();
    void DeleteSelection();
    void NewPlayList();
    void Move(int step);
    void AddFromPc();
    void OpenPcFolder();
    void Properties();
    void Init();
    void Refill();
    bool CanMove(int step) const;
    // The PC items the add command takes: the file list's selection when it has the focus,
    // else the tree's folder.
    std::vector<MusicAddItem> PcItems() const;
    // Removes the playlists of `lists` (descending order not needed) that hold no tracks, noting
    // each in the report. True when one was removed.
    bool RemoveEmptyPlayLists(std::vector<int> lists);
    void ShowReport();
    void ShowDocumentMessage();

    // Selection.
    Pane LastPane() const { return m_pane; }
    bool RightPaneActive() const { return m_pane == Pane::PlayTree || m_pane == Pane::TransferList; }
    // The playlist selected in the tree (-1 for the root or none).
    int TreePlayList() const;
    QList<int> SelectedRows() const;

    // Adding (steps on a timer).
    void AddStep();
    void EndAdding();

    // In-place editing (MusicViewEdit.cpp).
    bool BeginListEdit(const QModelIndex& index) const;
    bool EndTreeEdit(ui::CellEdit& edit);
    bool EndListEdit(ui::CellEdit& edit);
    MusicField FieldOf(int column) const;

    // Dragging (MusicViewDrop.cpp).
    bool FromPc(const ui::PaneDrop& drop) const;
    static std::vector<MusicAddItem> DroppedItems(const ui::PaneDrop& drop);
    bool AcceptsOnTree(const ui::PaneDrop& drop) const;
    bool AcceptsOnList(const ui::PaneDrop& drop) const;
    void MovePlayList(int from, int to);
    void MoveTrack(int list, int from, int to);
    void MoveTracksTo(int from, const std::vector<int>& tracks, int to);
    static int ItemData(const QPersistentModelIndex& index);

    CAppData& m_app;
    CMusicData& m_doc;
    MusicTreeModel* m_treeModel;
    MusicListModel* m_listModel;
    QSplitter* m_splitter = nullptr;
    CPcFilePane* m_pcPane = nullptr;
    CSplitPane* m_playPane = nullptr;
    CSkinTree* m_tree = nullptr;
    CSkinList* m_list = nullptr;
    CMusicStatus* m_status = nullptr;
    CSkinPopupMenu* m_menu = nullptr;
    QList<int> m_widths;  // the transfer list's widths, the seventh kept while tracks are shown
    Pane m_pane = Pane::None;
    MusicClipboard m_clip;
    std::unique_ptr<MusicAddRun> m_add;
    QTimer m_addTimer;
    // Focus changes while the panes are torn down must not reach the half-destroyed view.
    QMetaObject::Connection m_focusConnection;
    bool m_splitPlaced = false;
};
