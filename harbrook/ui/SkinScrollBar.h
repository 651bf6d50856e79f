#pragma once
// CSkinScrollBar: the scroll bar of skinned lists and trees, painted from skin images (horizontal:
// 172 left arrow, 171 track, 170 thumb, 173 right arrow; vertical: 177 up arrow, 174 track, 176
// thumb, 175 down arrow). It is the scroll area's own bar (QAbstractScrollArea shows it when there
// is something to scroll and keeps its range, page and position), so the range is the control's
// minimum to maximum − page + 1. The thumb keeps the fixed size of its image.
//
// Every action is reported as `notified(code, position)` with the codes a system scroll bar sends
// (line back 0, line forward 1, page back 2, page forward 3, thumb position 4, thumb track 5, end
// scroll 8) and the position after the action. A held arrow or track repeats its action after the
// keyboard repeat delay; the thumb is dragged by its centre; the wheel moves one line per notch.
#include <ui/SkinImage.h>

#include <QScrollBar>
#include <QTimer>

class QAbstractScrollArea;

class CSkinScrollBar : public QScrollBar {
    Q_OBJECT
public:
    enum Code : int {
        kLineBack = 0,
        kLineForward = 1,
        kPageBack = 2,
        kPageForward = 3,
        kThumbPosition = 4,
        kThumbTrack = 5,
        kEndScroll = 8,
    };
    enum class Part { kNone, kThumb, kLineBack, kLineForward, kPageBack, kPageForward };

    // Lengths along the bar in pixels: the whole bar, one arrow, the thumb.
    struct Metrics {
        int length = 0;
        int arrow = 0;
        int thumb = 0;
    };

    explicit CSkinScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Gives `area` a skinned horizontal and vertical bar and corner image 178 for the square where
    // both meet.
    static void Install(QAbstractScrollArea* area);

    // The keyboard settings that time a held arrow or track: the first repeat follows after
    // delaySetting × 250 + 250 ms, the next ones every 1600 − speedSetting × 50 ms. Defaults 1 and
    // 31 (500 ms, then 50 ms); values are clamped to 0..3 and 0..31.
    static void SetKeyboardRepeat(int delaySetting, int speedSetting);
    static int RepeatDelayMs();
    static int RepeatIntervalMs();

    // The thumb's pixel offset for `position`: arrow + (position − minimum) × (length − thumb −
    // 2 × arrow) / (maximum − minimum), the arrow size for an empty range, kept between the arrows.
    static int ThumbPixelFor(int position, int minimum, int maximum, const Metrics& metrics);
    // The position a thumb at pixel offset `thumbPixel` stands for: minimum + (thumbPixel − arrow)
    // × (maximum − minimum) / (length − 2 × arrow − thumb), kept within the range.
    static int PositionFor(int thumbPixel, int minimum, int maximum, const Metrics& metrics);

    Metrics BarMetrics() const;
    // The thumb's pixel offset now (the dragged place while dragging).
    int ThumbPixel() const;
    Part HitTest(QPoint point) const;
    Part PressedPart() const { return m_pressed; }
    // The bar's thickness: its track image's.
    int Thickness() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void notified(int code, int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool Horizontal() const { return orientation() == Qt::Horizontal; }
    int Along(QPoint point) const { return Horizontal() ? point.x() : point.y(); }
    void Press(QPoint point);
    void Act(Part part);
    void Repeat();
    void Drag(QPoint point);

    CSkinImage m_back;
    CSkinImage m_forward;
    CSkinImage m_track;
    CSkinImage m_thumb;
    Part m_pressed = Part::kNone;
    QPoint m_lastPoint;
    int m_dragPixel = 0;
    int m_wheelDelta = 0;
    QTimer m_repeat;
};
