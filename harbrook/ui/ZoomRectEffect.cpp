#include <ui/ZoomRectEffect.h>

#include <ui/SkinContext.h>
#include <ui/ZoomOutline.h>

#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace ui {
namespace {

// The rectangles converted to the surface the outline is drawn on.
struct ZoomPlan {
    QWidget* host = nullptr;
    QRect from;
    QRect to;
};

ZoomPlan planZoom(const QRect& from, const QRect& to) {
    QWidget* frame = SkinContext::MainFrame();
    if (!frame || !frame->isVisible()) return {nullptr, from, to};
    const QRect bounds = frame->frameGeometry();
    const QPoint origin = frame->mapToGlobal(QPoint(0, 0));
    return {frame, ClampRect(from, bounds).translated(-origin), ClampRect(to, bounds).translated(-origin)};
}

// Drives the outline from the event loop; deletes itself when done or when its host goes away.
class ZoomRun : public QObject {
public:
    ZoomRun(const ZoomPlan& plan, int delayMs)
        : m_plan(plan), m_host(plan.host), m_outline(new ZoomOutline(plan.host)) {
        connect(&m_timer, &QTimer::timeout, this, [this] { Step(); });
        m_timer.setInterval(std::max(0, delayMs));
        QTimer::singleShot(kZoomStartPauseMs, this, [this] { m_timer.start(); Step(); });
    }
    ~ZoomRun() override { delete m_outline.data(); }

private:
    void Step() {
        if ((m_plan.host && !m_host) || !m_outline || m_step >= kZoomSteps) {
            deleteLater();
            m_timer.stop();
            return;
        }
        m_outline->ShowFrame(ZoomFrameRect(m_plan.from, m_plan.to, m_step++));
    }

    ZoomPlan m_plan;
    QPointer<QWidget> m_host;
    QPointer<ZoomOutline> m_outline;
    QTimer m_timer;
    int m_step = 0;
};

int lerpEdge(int from, int to, int step) {
    return from + static_cast<int>(static_cast<long long>(to - from) * step / kZoomSteps);
}

}  // namespace

QRect ZoomFrameRect(const QRect& from, const QRect& to, int step) {
    // Edges as left, top, right and bottom with exclusive right and bottom, as the effect is
    // defined on them.
    const int left = lerpEdge(from.left(), to.left(), step);
    const int top = lerpEdge(from.top(), to.top(), step);
    const int right = lerpEdge(from.x() + from.width(), to.x() + to.width(), step);
    const int bottom = lerpEdge(from.y() + from.height(), to.y() + to.height(), step);
    return QRect(left, top, right - left, bottom - top);
}

QRect ClampRect(const QRect& rect, const QRect& bounds) {
    const auto clampX = [&](int x) { return std::clamp(x, bounds.left(), bounds.x() + bounds.width()); };
    const auto clampY = [&](int y) { return std::clamp(y, bounds.top(), bounds.y() + bounds.height()); };
    const int left = clampX(rect.left());
    const int top = clampY(rect.top());
    return QRect(left, top, clampX(rect.x() + rect.width()) - left,
                 clampY(rect.y() + rect.height()) - top);
}

void StartZoomRectEffect(const QRect& from, const QRect& to, int delayMs) {
    new ZoomRun(planZoom(from, to), delayMs);
}

}  // namespace ui

void ZoomRectEffect(const QRect& from, const QRect& to, int delayMs) {
    const ui::ZoomPlan plan = ui::planZoom(from, to);
    ui::ZoomOutline outline(plan.host);
    QThread::msleep(ui::kZoomStartPauseMs);
    for (int step = 0; step < ui::kZoomSteps; ++step) {
        outline.ShowFrame(ui::ZoomFrameRect(plan.from, plan.to, step));
        if (delayMs > 0) QThread::msleep(static_cast<unsigned long>(delayMs));
    }
    outline.ShowFrame(QRect());
}
