#pragma once
// CSplitPane: a tree on the left and a list on the right with a draggable bar between them, as the
// PC file pane (folder tree and file list) and the transfer list pane (playlist tree and track
// list) use it. The tree carries a caption on a light grey band. The split is kept as a ratio and
// the list's column widths as a width list, both owned by the settings.
//
// The bar sits at x = width × ratio, held between 96 and width − 101; a pane too narrow for both
// bounds still gives both children non-negative widths (and leaves the stored ratio alone).
// Dragging the bar shows an inverted tracker and lays the children out when the button is
// released. The width list is forced to the pane's column count; the header's widths are written
// back into it while columns are resized and when the pane goes.
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class QAbstractItemView;
class QHeaderView;

class CSplitPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBarWidth = 5;
    static constexpr int kMinTree = 96;
    static constexpr int kMinListMargin = 101;  // the bar stays left of width − 101
    static constexpr int kCaptionHeight = 18;
    static inline const QColor kCaptionBand{0xE6, 0xE6, 0xE6};

    explicit CSplitPane(QWidget* parent = nullptr);
    ~CSplitPane() override;

    // Takes both views as children and sizes the list's columns from `widths`, which is first cut
    // or padded with zeros to `columnCount`. `ratio` and `widths` must outlive the pane.
    void Create(QAbstractItemView* tree, int treeId, const QString& caption,
                QAbstractItemView* list, int listId, int columnCount, float& ratio,
                std::vector<std::uint32_t>& widths);

    QAbstractItemView* Tree() const { return m_tree; }
    QAbstractItemView* List() const { return m_list; }
    int TreeId() const { return m_treeId; }
    int ListId() const { return m_listId; }
    int BarPosition() const { return m_x; }
    QRect BarRect() const { return QRect(m_x, 0, kBarWidth, height()); }
    bool IsDragging() const { return m_dragging; }
    // Writes the list's column widths into the width list (one per header section, within the
    // pane's column count; widths of columns the list does not show now are kept).
    void StoreColumnWidths();

    // The column header of a list view (a tree or table view), or null.
    static QHeaderView* HeaderOf(QAbstractItemView* list);

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
    void ApplyColumnWidths();
    bool Minimised() const;

    QAbstractItemView* m_tree = nullptr;
    QAbstractItemView* m_list = nullptr;
    QWidget* m_caption = nullptr;
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
