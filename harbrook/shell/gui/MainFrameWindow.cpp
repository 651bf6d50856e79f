// The main frame as a window: its layout, shape and border, placement, the system menu, and
// moving and sizing by the caption and the edges (the frame has no window-manager decoration).
#include <shell/gui/MainFrame.h>

#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <shell/gui/CaptionBar.h>
#include <shell/gui/FramePlacement.h>
#include <shell/gui/MenuBar.h>
#include <shell/gui/ModeTabBar.h>
#include <shell/gui/TransferBar.h>
#include <shell/gui/ViewContainer.h>
#include <shell/gui/VolumeWatcher.h>
#include <ui/SkinContext.h>

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

#include <array>

namespace {

constexpr int kCaptionY = 0;
constexpr int kMenuY = 16;
constexpr int kTabsY = 32;
constexpr int kViewY = 66;
// The view container takes what the bars above (66) and the transfer bar (37) leave.
constexpr int kBarsHeight = 103;
const QRect kSystemMenuArea(QPoint(2, 0), QPoint(17, 15));  // client coordinates
constexpr int kRegionCornerSize = 4;
constexpr int kRegionOverhang = 5;
const std::array<QColor, CMainFrame::kBorder> kBorderColours = {
    QColor(0x63, 0x63, 0x63), QColor(0xDF, 0xDF, 0xDF), QColor(0x43, 0x43, 0x43)};

}  // namespace

// ---------------------------------------------------------------- window

QRect CMainFrame::ClientRect() const {
    return rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
}

void CMainFrame::LayoutChildren() {
    if (!m_caption || isMinimized()) return;
    const QRect client = ClientRect();
    const int x = client.left();
    const int y = client.top();
    const int w = client.width();
    const int h = client.height();
    m_caption->setGeometry(x, y + kCaptionY, w, CCaptionBar::kHeight);
    m_menuBar->setGeometry(x, y + kMenuY, w, CMenuBar::kHeight);
    m_tabs->setGeometry(x, y + kTabsY, w, CModeTabBar::kHeight);
    m_views->setGeometry(x, y + kViewY, w, std::max(0, h - kBarsHeight));
    m_transferBar->setGeometry(x, y + h - CTransferBar::kHeight, w, CTransferBar::kHeight);
}

void CMainFrame::UpdateMask() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
        clearMask();
        return;
    }
    // A rounded rectangle reaching past the right and bottom edges: only the top-left corner of
    // the window is rounded.
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width() + kRegionOverhang, height() + kRegionOverhang),
                        kRegionCornerSize / 2.0, kRegionCornerSize / 2.0);
    setMask(QRegion(path.toFillPolygon().toPolygon()).intersected(rect()));
}

void CMainFrame::StorePlacement() {
    m_appData.m_Settings.maximized = (windowState() & Qt::WindowMaximized) ? 1 : 0;
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    m_appData.m_Settings.position = frame_placement::ToWindowRect(geometry());
}

void CMainFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect frame = rect().adjusted(0, 0, -1, -1);
    for (const QColor& colour : kBorderColours) {
        painter.setPen(colour);
        painter.drawRect(frame);
        frame.adjust(1, 1, -1, -1);
    }
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutChildren();
    UpdateMask();
    StorePlacement();
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    StorePlacement();
}

void CMainFrame::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const bool maximized = windowState() & Qt::WindowMaximized;
    if (m_caption) m_caption->SetMaximized(maximized);
    // The window system may report the maximised geometry before the state; keep the normal one.
    if (maximized && normalGeometry().isValid()) {
        m_appData.m_Settings.position = frame_placement::ToWindowRect(normalGeometry());
    }
    StorePlacement();
    UpdateMask();
    LayoutChildren();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!SavePrompt()) {
        event->ignore();
        return;
    }
    m_usbTimer.stop();
    m_refreshTimer.stop();
    if (m_volumes) m_volumes->Stop();
    event->accept();
}

void CMainFrame::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (m_views) m_views->setFocus(event->reason());
}

void CMainFrame::SystemCommand(int id) {
    switch (id) {
    case cmd::kSysClose: close(); break;
    case cmd::kSysMaximize: showMaximized(); break;
    case cmd::kSysRestore: showNormal(); break;
    case cmd::kSysMinimize: showMinimized(); break;
    default: break;
    }
}

void CMainFrame::ShowSystemMenu(const QPoint& globalPos) {
    QMenu menu(this);
    const bool maximized = windowState() & Qt::WindowMaximized;
    const bool minimized = isMinimized();
    const auto add = [&menu](const QString& text, int id, bool enabled) {
        QAction* action = menu.addAction(text);
        action->setData(id);
        action->setEnabled(enabled);
    };
    add(QStringLiteral("元のサイズに戻す(&R)"), cmd::kSysRestore, maximized || minimized);
    add(QStringLiteral("最小化(&N)"), cmd::kSysMinimize, !minimized);
    add(QStringLiteral("最大化(&X)"), cmd::kSysMaximize, !maximized);
    menu.addSeparator();
    add(QStringLiteral("閉じる(&C)\tAlt+F4"), cmd::kSysClose, true);
    m_systemMenuOpen = true;
    QAction* chosen = menu.exec(globalPos);
    m_systemMenuOpen = false;
    if (chosen) SystemCommand(chosen->data().toInt());
}

bool CMainFrame::InSystemMenuArea(const QPoint& pos) const {
    return kSystemMenuArea.translated(ClientRect().topLeft()).contains(pos);
}

Qt::Edges CMainFrame::EdgesAt(const QPoint& pos) const {
    Qt::Edges edges;
    if (windowState() & Qt::WindowMaximized) return edges;
    if (pos.x() < kBorder) edges |= Qt::LeftEdge;
    if (pos.x() >= width() - kBorder) edges |= Qt::RightEdge;
    if (pos.y() < kBorder) edges |= Qt::TopEdge;
    if (pos.y() >= height() - kBorder) edges |= Qt::BottomEdge;
    return edges;
}

void CMainFrame::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton) return;
    if (const Qt::Edges edges = EdgesAt(pos)) {
        if (windowHandle()) windowHandle()->startSystemResize(edges);
        return;
    }
    if (InSystemMenuArea(pos)) {
        ShowSystemMenu(event->globalPosition().toPoint());
        return;
    }
    // Every other point of the frame's own surface is caption: it moves the window.
    if (!(windowState() & Qt::WindowMaximized) &&
        !(windowHandle() && windowHandle()->startSystemMove())) {
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void CMainFrame::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_dragOffset && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *m_dragOffset);
        return;
    }
    const Qt::Edges edges = EdgesAt(pos);
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool mainDiagonal = edges == (Qt::LeftEdge | Qt::TopEdge) ||
                                  edges == (Qt::RightEdge | Qt::BottomEdge);
        setCursor(mainDiagonal ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    } else if (horizontal) {
        setCursor(Qt::SizeHorCursor);
    } else if (vertical) {
        setCursor(Qt::SizeVerCursor);
    } else {
        unsetCursor();
    }
}

void CMainFrame::mouseReleaseEvent(QMouseEvent* event) {
    m_dragOffset.reset();
    if (event->button() == Qt::RightButton && !EdgesAt(event->position().toPoint())) {
        ShowSystemMenu(event->globalPosition().toPoint());
    }
}

void CMainFrame::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton || EdgesAt(pos)) return;
    if (InSystemMenuArea(pos)) {
        close();
    } else if (windowState() & Qt::WindowMaximized) {
        showNormal();
    } else {
        showMaximized();
    }
}
