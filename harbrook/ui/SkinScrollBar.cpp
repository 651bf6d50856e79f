#include <ui/SkinScrollBar.h>

#include <ui/SkinIds.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kFallbackThickness = 14;  // used only when the skin lacks an image
constexpr int kFallbackThumb = 30;
constexpr int kWheelNotch = 120;

int g_delaySetting = 1;
int g_speedSetting = 31;

// Length of `image` along the bar, or `fallback` when it is missing.
int along(const CSkinImage& image, bool horizontal, int fallback) {
    if (image.IsEmpty()) return fallback;
    return horizontal ? image.Width() : image.Height();
}

CSkinScrollBar::Code codeOf(CSkinScrollBar::Part part) {
    switch (part) {
        case CSkinScrollBar::Part::kLineBack:
            return CSkinScrollBar::kLineBack;
        case CSkinScrollBar::Part::kLineForward:
            return CSkinScrollBar::kLineForward;
        case CSkinScrollBar::Part::kPageBack:
            return CSkinScrollBar::kPageBack;
        default:
            return CSkinScrollBar::kPageForward;
    }
}

QAbstractSlider::SliderAction actionOf(CSkinScrollBar::Part part) {
    switch (part) {
        case CSkinScrollBar::Part::kLineBack:
            return QAbstractSlider::SliderSingleStepSub;
        case CSkinScrollBar::Part::kLineForward:
            return QAbstractSlider::SliderSingleStepAdd;
        case CSkinScrollBar::Part::kPageBack:
            return QAbstractSlider::SliderPageStepSub;
        default:
            return QAbstractSlider::SliderPageStepAdd;
    }
}

}  // namespace

CSkinScrollBar::CSkinScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    using namespace ui::image;
    const bool horizontal = orientation == Qt::Horizontal;
    m_back.Load(horizontal ? kScrollLeft : kScrollUp);
    m_forward.Load(horizontal ? kScrollRight : kScrollDown);
    m_track.Load(horizontal ? kHScrollTrack : kVScrollTrack);
    m_thumb.Load(horizontal ? kHScrollThumb : kVScrollThumb);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_repeat.setTimerType(Qt::PreciseTimer);
    connect(&m_repeat, &QTimer::timeout, this, &CSkinScrollBar::Repeat);
}

void CSkinScrollBar::Install(QAbstractScrollArea* area) {
    area->setHorizontalScrollBar(new CSkinScrollBar(Qt::Horizontal));
    area->setVerticalScrollBar(new CSkinScrollBar(Qt::Vertical));
    CSkinImage corner;
    auto* label = new QLabel;
    if (corner.Load(ui::image::kScrollCorner)) label->setPixmap(QPixmap::fromImage(corner.Image()));
    area->setCornerWidget(label);
}

void CSkinScrollBar::SetKeyboardRepeat(int delaySetting, int speedSetting) {
    g_delaySetting = std::clamp(delaySetting, 0, 3);
    g_speedSetting = std::clamp(speedSetting, 0, 31);
}

int CSkinScrollBar::RepeatDelayMs() {
    return g_delaySetting * 250 + 250;
}

int CSkinScrollBar::RepeatIntervalMs() {
    return 1600 - g_speedSetting * 50;
}

int CSkinScrollBar::ThumbPixelFor(int position, int minimum, int maximum, const Metrics& m) {
    int pixel = m.arrow;
    if (maximum != minimum) {
        const std::int64_t travel = m.length - m.thumb - 2 * m.arrow;
        pixel = m.arrow + static_cast<int>(std::int64_t{position - minimum} * travel /
                                           (std::int64_t{maximum} - minimum));
    }
    return std::max(m.arrow, std::min(pixel, m.length - m.arrow - m.thumb));
}

int CSkinScrollBar::PositionFor(int thumbPixel, int minimum, int maximum, const Metrics& m) {
    const std::int64_t travel = m.length - 2 * m.arrow - m.thumb;
    if (travel <= 0) return minimum;
    const auto position = minimum + static_cast<int>(std::int64_t{thumbPixel - m.arrow} *
                                                     (std::int64_t{maximum} - minimum) / travel);
    return std::clamp(position, std::min(minimum, maximum), std::max(minimum, maximum));
}

CSkinScrollBar::Metrics CSkinScrollBar::BarMetrics() const {
    const bool horizontal = Horizontal();
    return {horizontal ? width() : height(), along(m_back, horizontal, kFallbackThickness),
            along(m_thumb, horizontal, kFallbackThumb)};
}

int CSkinScrollBar::ThumbPixel() const {
    if (m_pressed == Part::kThumb) return m_dragPixel;
    return ThumbPixelFor(value(), minimum(), maximum(), BarMetrics());
}

CSkinScrollBar::Part CSkinScrollBar::HitTest(QPoint point) const {
    if (!rect().contains(point)) return Part::kNone;
    const Metrics m = BarMetrics();
    const int at = Along(point);
    const int thumb = ThumbPixel();
    if (at < m.arrow) return Part::kLineBack;
    if (at >= m.length - m.arrow) return Part::kLineForward;
    if (at < thumb) return Part::kPageBack;
    if (at < thumb + m.thumb) return Part::kThumb;
    return Part::kPageForward;
}

int CSkinScrollBar::Thickness() const {
    if (m_track.IsEmpty()) return kFallbackThickness;
    return Horizontal() ? m_track.Height() : m_track.Width();
}

QSize CSkinScrollBar::sizeHint() const {
    const Metrics m = BarMetrics();
    const int length = 2 * m.arrow + m.thumb;
    return Horizontal() ? QSize(length, Thickness()) : QSize(Thickness(), length);
}

QSize CSkinScrollBar::minimumSizeHint() const {
    return sizeHint();
}

void CSkinScrollBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Metrics m = BarMetrics();
    const int thumb = ThumbPixel();
    const int thickness = Thickness();
    // Draws `image` over [from, to) along the bar, stretched.
    const auto span = [&](const CSkinImage& image, int from, int to) {
        if (to <= from) return;
        if (Horizontal()) {
            image.Draw(painter, from, 0, to - from, thickness);
        } else {
            image.Draw(painter, 0, from, thickness, to - from);
        }
    };
    span(m_back, 0, m.arrow);
    span(m_track, m.arrow, thumb);
    span(m_thumb, thumb, thumb + m.thumb);
    span(m_track, thumb + m.thumb, m.length - m.arrow);
    span(m_forward, m.length - m.arrow, m.length);
}

void CSkinScrollBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Press(event->position().toPoint());
}

void CSkinScrollBar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Press(event->position().toPoint());
}

void CSkinScrollBar::Press(QPoint point) {
    QWidget* grabber = QWidget::mouseGrabber();
    if (grabber && grabber != this) return;
    m_repeat.stop();
    m_lastPoint = point;
    const Part part = HitTest(point);
    if (part == Part::kNone) return;
    if (part == Part::kThumb) {
        m_dragPixel = ThumbPixel();
        m_pressed = Part::kThumb;
        Drag(point);
        return;
    }
    m_pressed = part;
    Act(part);
    m_repeat.start(RepeatDelayMs());
}

void CSkinScrollBar::Act(Part part) {
    triggerAction(actionOf(part));
    Q_EMIT notified(codeOf(part), value());
}

void CSkinScrollBar::Repeat() {
    m_repeat.setInterval(RepeatIntervalMs());
    // A held track stops paging once the thumb has reached the pointer.
    if (HitTest(m_lastPoint) == m_pressed) Act(m_pressed);
}

void CSkinScrollBar::Drag(QPoint point) {
    const Metrics m = BarMetrics();
    const int pixel = Along(point) - m.thumb / 2;
    m_dragPixel = std::max(m.arrow, std::min(pixel, m.length - m.arrow - m.thumb));
    const int position = PositionFor(m_dragPixel, minimum(), maximum(), m);
    setValue(position);
    update();
    Q_EMIT notified(kThumbTrack, value());
}

void CSkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressed == Part::kNone) return;
    m_lastPoint = event->position().toPoint();
    if (m_pressed == Part::kThumb) Drag(m_lastPoint);
}

void CSkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_pressed == Part::kNone) return;
    m_repeat.stop();
    const bool dragged = m_pressed == Part::kThumb;
    m_pressed = Part::kNone;
    update();
    if (dragged) Q_EMIT notified(kThumbPosition, value());
    Q_EMIT notified(kEndScroll, value());
}

void CSkinScrollBar::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    m_wheelDelta += std::abs(delta.y()) >= std::abs(delta.x()) ? delta.y() : delta.x();
    while (m_wheelDelta >= kWheelNotch) {
        m_wheelDelta -= kWheelNotch;
        Act(Part::kLineBack);
    }
    while (m_wheelDelta <= -kWheelNotch) {
        m_wheelDelta += kWheelNotch;
        Act(Part::kLineForward);
    }
    event->accept();
}
