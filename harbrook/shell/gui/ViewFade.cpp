#include <shell/gui/ViewFade.h>

#include <QPainter>

#include <algorithm>

ViewFade::ViewFade(const QPixmap& snapshot, QWidget* parent) : QWidget(parent), m_snapshot(snapshot) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(parent->rect());
    raise();
    show();
    connect(&m_timer, &QTimer::timeout, this, &ViewFade::OnTimer);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.start(kIntervalMs);
    m_sinceTick.start();
}

void ViewFade::OnTimer() {
    Tick(m_sinceTick.restart());
}

void ViewFade::Tick(qint64 elapsedMs) {
    m_shownAlpha = m_alpha;
    update();
    m_carryMs += elapsedMs;
    const int steps = static_cast<int>(std::min<qint64>(m_carryMs / kIntervalMs, kMaxStepsPerTick));
    m_carryMs = steps == kMaxStepsPerTick ? 0 : m_carryMs - steps * kIntervalMs;
    m_alpha -= kAlphaStep * steps;
    if (m_alpha < 0) {
        m_timer.stop();
        hide();
        deleteLater();
    }
}

void ViewFade::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setOpacity(m_shownAlpha / 255.0);
    painter.drawPixmap(0, 0, m_snapshot);
}
