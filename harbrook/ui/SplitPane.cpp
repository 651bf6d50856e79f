#include <ui/SplitPane.h>

#include <ui/SkinList.h>
#include <ui/SkinTree.h>

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QColor kBarColour{0xC9, 0xDE, 0xF1};

// The dragging tracker: two one-pixel lines at the bar's edges, drawn by inverting what lies
// below them, over the whole pane.
class Tracker : public QWidget {
public:
    explicit Tracker(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }
    void ShowAt(const QRect& bar) {
        m_bar = bar;
        setGeometry(parentWidget()->rect());
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        const int top = m_bar.top() - 1;
        const int height = m_bar.height() + 2;
        painter.fillRect(QRect(m_bar.left(), top, 1, height), Qt::black);
        painter.fillRect(QRect(m_bar.left() + m_bar.width() - 1, top, 1, height), Qt::black);
    }

private:
    QRect m_bar;
};

}  // namespace

CSplitPane::CSplitPane(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::SplitHCursor);  // only the bar shows between the children
    m_tracker = new Tracker(this);
}

CSplitPane::~CSplitPane() {
    StoreColumnWidths();
}

void CSplitPane::Create(CSkinTree* tree, int treeId, const QString& caption, CSkinList* list,
                        int listId, int columnCount, float& ratio,
                        std::vector<std::uint32_t>& widths) {
    m_tree = tree;
    m_list = list;
    m_treeId = treeId;
    m_listId = listId;
    m_columnCount = columnCount;
    m_ratio = &ratio;
    m_widths = &widths;
    m_widths->resize(static_cast<std::size_t>(columnCount), 0);
    for (QWidget* child : {static_cast<QWidget*>(tree), static_cast<QWidget*>(list)}) {
        child->setParent(this);
        child->setCursor(Qt::ArrowCursor);
        child->show();
    }
    tree->setObjectName(QString::number(treeId));
    list->setObjectName(QString::number(listId));
    tree->SetCaption(caption);
    list->SetColumnWidths(QList<int>(widths.begin(), widths.end()));
    m_tracker->raise();
    if (isVisible()) PlaceBar();
}

void CSplitPane::StoreColumnWidths() {
    if (!m_list || !m_widths) return;
    const QList<int> shown = m_list->ColumnWidths();
    const auto count = std::min<qsizetype>(shown.size(), m_columnCount);
    for (qsizetype column = 0; column < count; ++column) {
        (*m_widths)[static_cast<std::size_t>(column)] =
            static_cast<std::uint32_t>(std::max(shown[column], 0));
    }
}

bool CSplitPane::Minimised() const {
    return window()->isMinimized();
}

void CSplitPane::Clamp() {
    if (Minimised()) return;
    const int paneWidth = width();
    m_x = std::max(m_x, kMinTree);
    if (m_x >= paneWidth - kMinListMargin) m_x = paneWidth - kMinListMargin;
    if (paneWidth >= kMinTree + kMinListMargin) {
        if (m_ratio && paneWidth > 0) {
            *m_ratio = static_cast<float>(m_x) / static_cast<float>(paneWidth);
        }
    } else {
        // Too narrow for both bounds: keep the bar inside the pane; the ratio stays as it was,
        // so that a pane briefly made small does not lose the user's split.
        m_x = std::clamp(m_x, 0, std::max(paneWidth - kBarWidth, 0));
    }
}

void CSplitPane::Layout() {
    if (Minimised() || !m_tree) return;
    Clamp();
    const int paneHeight = height();
    m_tree->setGeometry(0, 0, m_x, paneHeight);
    m_list->setGeometry(m_x + kBarWidth, 0, std::max(width() - m_x - kBarWidth, 0), paneHeight);
    update(BarRect());
}

void CSplitPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceBar();
}

void CSplitPane::PlaceBar() {
    if (width() <= 0 || height() <= 0 || !m_ratio) return;
    m_x = static_cast<int>(static_cast<float>(width()) * *m_ratio);
    Layout();
}

void CSplitPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(BarRect(), kBarColour);
}

void CSplitPane::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QWidget* grabber = QWidget::mouseGrabber();
    const bool captured = grabber && grabber != this;
    if (event->button() != Qt::LeftButton || !BarRect().contains(at) || !m_tree || captured) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_grab = at.x() - m_x;
    m_dragging = true;
    Clamp();
    static_cast<Tracker*>(m_tracker)->ShowAt(BarRect());
}

void CSplitPane::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) return;
    m_x = event->position().toPoint().x() - m_grab;
    Clamp();
    static_cast<Tracker*>(m_tracker)->ShowAt(BarRect());
}

void CSplitPane::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragging || event->button() != Qt::LeftButton) return;
    m_dragging = false;
    m_tracker->hide();
    Layout();
}
