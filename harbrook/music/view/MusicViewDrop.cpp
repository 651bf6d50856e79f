// Dragging in the music view: PC folders and files (from the PC panes or the desktop's file
// manager) onto the transfer list pane, playlists and tracks moved within it, and tracks moved to
// another playlist.
#include <music/view/MusicView.h>

#include <music/view/MusicListModel.h>
#include <music/view/MusicTreeModel.h>

#include <music/MusicData.h>
#include <shell/gui/TextAdapter.h>
#include <songbase/Songbase.h>
#include <ui/PaneDragDrop.h>
#include <ui/PcFilePane.h>
#include <ui/SkinList.h>
#include <ui/SkinTree.h>

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

int listOfItem(int itemData) {
    return itemData >> 16;
}

int trackOfItem(int itemData) {
    const int track = itemData & 0xFFFF;
    return track == 0xFFFF ? -1 : track;
}

}  // namespace

void CMusicView::ConnectDrops() {
    for (QAbstractItemView* pane : {static_cast<QAbstractItemView*>(m_tree),
                                    static_cast<QAbstractItemView*>(m_list)}) {
        pane->setAcceptDrops(true);
        pane->viewport()->setAcceptDrops(true);
    }
    m_tree->DragDrop().SetDragEnabled(true);
    m_list->DragDrop().SetDragEnabled(true);
    m_tree->DragDrop().SetDropHandlers(
        [this](const ui::PaneDrop& drop) { return AcceptsOnTree(drop); },
        [this](const ui::PaneDrop& drop) { DropOnTree(drop); });
    m_list->DragDrop().SetDropHandlers(
        [this](const ui::PaneDrop& drop) { return AcceptsOnList(drop); },
        [this](const ui::PaneDrop& drop) { DropOnList(drop); });
}

int CMusicView::ItemData(const QPersistentModelIndex& index) {
    return index.data(ui::role::kItemData).toInt();
}

bool CMusicView::FromPc(const ui::PaneDrop& drop) const {
    const bool pcPane = drop.source == m_pcPane->FolderTree() || drop.source == m_pcPane->FileList();
    const bool desktop = !drop.source && drop.mime && drop.mime->hasUrls();
    return pcPane || desktop;
}

std::vector<MusicAddItem> CMusicView::DroppedItems(const ui::PaneDrop& drop) {
    std::vector<MusicAddItem> items;
    if (!drop.mime) return items;
    for (const QUrl& url : drop.mime->urls()) {
        if (!url.isLocalFile()) continue;
        const QFileInfo file(url.toLocalFile());
        if (!file.exists()) continue;
        const QString name = file.fileName().isEmpty() ? file.absoluteFilePath() : file.fileName();
        items.push_back({file.absoluteFilePath().toStdString(), toCp932(name), file.isDir()});
    }
    return items;
}

bool CMusicView::AcceptsOnTree(const ui::PaneDrop& drop) const {
    if (m_add) return false;
    if (FromPc(drop)) return true;
    const int target = MusicTreeModel::PlayListOf(drop.target);
    if (target < 0 || drop.items.isEmpty()) return false;
    if (drop.source != m_tree && drop.source != m_list) return false;
    const int item = ItemData(drop.items.front());
    // A playlist onto another playlist, or tracks onto a playlist other than their own.
    return listOfItem(item) != target;
}

bool CMusicView::AcceptsOnList(const ui::PaneDrop& drop) const {
    if (m_add) return false;
    if (FromPc(drop)) return true;
    if (!drop.target.isValid() || drop.items.isEmpty()) return false;
    if (drop.source != m_tree && drop.source != m_list) return false;
    const int item = ItemData(drop.items.front());
    const int target = drop.target.data(ui::role::kItemData).toInt();
    const bool trackDrag = trackOfItem(item) >= 0;
    const bool trackTarget = trackOfItem(target) >= 0;
    if (trackDrag != trackTarget) return !trackTarget && listOfItem(item) != listOfItem(target);
    return item != target;
}

void CMusicView::DropOnTree(const ui::PaneDrop& drop) {
    const int target = MusicTreeModel::PlayListOf(drop.target);
    if (FromPc(drop)) {
        AddItems(DroppedItems(drop), target);
        return;
    }
    if (target < 0 || drop.items.isEmpty()) return;
    const int item = ItemData(drop.items.front());
    if (trackOfItem(item) < 0) {
        MovePlayList(listOfItem(item), target);
        Refill();
        ShowPlayList(target);
        FocusTree();
        return;
    }
    std::vector<int> tracks;
    for (const QPersistentModelIndex& index : drop.items) tracks.push_back(trackOfItem(ItemData(index)));
    MoveTracksTo(listOfItem(item), tracks, target);
}

void CMusicView::DropOnList(const ui::PaneDrop& drop) {
    const int targetItem = drop.target.isValid() ? drop.target.data(ui::role::kItemData).toInt() : -1;
    if (FromPc(drop)) {
        const int target = m_listModel->ShowsTracks()  ? m_listModel->PlayList()
                           : drop.target.isValid() ? listOfItem(targetItem)
                                                   : -1;
        AddItems(DroppedItems(drop), target);
        return;
    }
    if (!drop.target.isValid() || drop.items.isEmpty()) return;
    const int item = ItemData(drop.items.front());
    if (trackOfItem(item) < 0) {
        MovePlayList(listOfItem(item), listOfItem(targetItem));
        Refill();
        SelectRows({listOfItem(targetItem)});
    } else if (trackOfItem(targetItem) >= 0) {
        MoveTrack(listOfItem(item), trackOfItem(item), trackOfItem(targetItem));
        Refill();
        SelectRows({trackOfItem(targetItem)});
    }
}

void CMusicView::MovePlayList(int from, int to) {
    // Successive swaps with the neighbour: the playlists in between shift by one place.
    for (int at = from; at < to && m_doc.SwapPlayLists(at, at + 1); ++at) {
    }
    for (int at = from; at > to && m_doc.SwapPlayLists(at - 1, at); --at) {
    }
}

void CMusicView::MoveTrack(int list, int from, int to) {
    for (int at = from; at < to && m_doc.SwapTracks(list, at, at + 1); ++at) {
    }
    for (int at = from; at > to && m_doc.SwapTracks(list, at - 1, at); --at) {
    }
}

void CMusicView::MoveTracksTo(int from, const std::vector<int>& tracks, int to) {
    // Each track is appended to the target, then deleted from its playlist; the tracks after it
    // move up a place.
    int deleted = 0;
    for (int track : tracks) {
        Songbase_Track record{};
        const int source = track - deleted;
        if (!m_doc.CopyOutTrack(from, source, &record)) break;
        if (m_doc.InsertTrack(to, CSongbase::GetTrackCount(to), record) != 0) {
            ShowDocumentMessage();
            break;
        }
        if (!m_doc.Delete(from, source)) {
            ShowDocumentMessage();
            break;
        }
        ++deleted;
    }
    Refill();
    ShowPlayList(to);
    FocusTree();
}
