#pragma once
// The outline that ZoomRectEffect moves across the screen. Over a host window (the main frame) it
// is a transparent child that draws a one-pixel grey rectangle inverting what lies beneath; without
// a host it is a small top-level window shaped to the rectangle's outline.
#include <QRect>
#include <QWidget>

namespace ui {

class ZoomOutline : public QWidget {
    Q_OBJECT
public:
    // host null: a top-level outline in screen coordinates; otherwise rectangles are in the host's
    // coordinates.
    explicit ZoomOutline(QWidget* host);

    // Shows the outline of `rect` at once (painted before returning); an empty rect hides it.
    void ShowFrame(const QRect& rect);
    QRect Frame() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QRegion OutlineRegion(const QRect& rect);

    QRect m_frame;
    bool m_overlay;
};

}  // namespace ui
