#include <ui/ZoomOutline.h>

#include <ui/SkinPalette.h>

#include <QPainter>
#include <QPaintEvent>

namespace ui {

ZoomOutline::ZoomOutline(QWidget* host)
    : QWidget(host, host ? Qt::Widget
                         : Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      m_overlay(host != nullptr) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    if (m_overlay) {
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(host->rect());
        raise();
    }
}

void ZoomOutline::ShowFrame(const QRect& rect) {
    const QRect previous = m_frame;
    m_frame = rect;
    if (m_overlay) {
        if (!isVisible()) show();
        repaint(OutlineRegion(previous) | OutlineRegion(rect));
        return;
    }
    if (rect.isEmpty()) {
        hide();
        return;
    }
    setGeometry(rect);
    setMask(OutlineRegion(QRect(QPoint(0, 0), rect.size())));
    if (!isVisible()) show();
    repaint();
}

void ZoomOutline::paintEvent(QPaintEvent*) {
    if (m_frame.isEmpty()) return;
    QPainter painter(this);
    if (!m_overlay) {
        painter.fillRect(rect(), palette::kZoomOutline);
        return;
    }
    // Inverting keeps the outline visible on dark and light windows alike.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(palette::kZoomOutline, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_frame.adjusted(0, 0, -1, -1));
}

QRegion ZoomOutline::OutlineRegion(const QRect& rect) {
    if (rect.isEmpty()) return {};
    const QRect inner = rect.adjusted(1, 1, -1, -1);
    return QRegion(rect).subtracted(inner.isEmpty() ? QRegion() : QRegion(inner));
}

}  // namespace ui
