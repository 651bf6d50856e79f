#pragma once
// CSplitPane: a skinned tree on the left and a skinned list on the right with a draggable bar
// between them, as the PC file pane (folder tree and file list) and the transfer list pane
// (playlist tree and track list) use it. The tree carries the pane's caption. The split is kept as
// a ratio and the list's column widths as a width list, both owned by the settings.
//
// The bar sits at x = width × ratio, held between 96 and width − 101; a pane too narrow for both
// bounds still gives both children non-negative widths (and leaves the stored ratio alone).
// Dragging the bar shows an inverted tracker and lays the children out when the button is
// released. The width list is forced to the pane's column count at creation; the list's widths are
// written back into it when the pane goes (StoreColumnWidths).
//
// Usage (the transfer list pane):
//   auto* pane = new CSplitPane(this);
//   pane->Create(playlistTree, 59650, QStringLiteral("  転送リスト"), trackList, 59651, 7,
//                settings.playSplit, settings.playColumn);
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class CSkinList;
class CSkinTree;

class CSplitPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBarWidth = 5;
    static constexpr int kMinTree = 96;
    static constexpr int kMinListMargin = 101;  // the bar stays left of width − 101

    explicit CSplitPane(QWidget* parent = nullptr);
    ~CSplitPane() override;

    // Takes both views as children, gives the tree `caption` and the list the widths of `widths`,
    // which is first cut or padded with zeros to `columnCount`. `ratio` and `widths` must outlive
    // the pane.
    void Create(CSkinTree* tree, int treeId, const QString& caption, CSkinList* list, int listId,
                int columnCount, float& ratio, std::vector<std::uint32_t>& widths);

    CSkinTree* Tree() const { return m_tree; }
    CSkinList* List() const { return m_list; }
    int TreeId() const { return m_treeId; }
    int ListId() const { return m_listId; }
    int BarPosition() const { return m_x; }
    QRect BarRect() const { return QRect(m_x, 0, kBarWidth, height()); }
    bool IsDragging() const { return m_dragging; }
    // Writes the list's column widths into the width list: one per column the list shows, within
    // the pane's column count; widths of columns not shown now are kept.
    void StoreColumnWidths();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The bar from the ratio, then the clamp and the layout.
    void PlaceBar();
    void Clamp();
    void Layout();
    bool Minimised() const;

    CSkinTree* m_tree = nullptr;
    CSkinList* m_list = nullptr;
    QWidget* m_tracker = nullptr;
    int m_treeId = 0;
    int m_listId = 0;
    int m_columnCount = 0;
    float* m_ratio = nullptr;
    std::vector<std::uint32_t>* m_widths = nullptr;
    int m_x = kMinTree;
    bool m_dragging = false;
    int m_grab = 0;
};
