#include <shell/gui/ViewFade.h>

#include <QPainter>

#include <algorithm>

ViewFade::ViewFade(const QPixmap& snapshot, QWidget* parent) : QWidget(parent), m_snapshot(snapshot) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(parent->rect());
    raise();
    show();
    connect(&m_timer, &QTimer::timeout, this, &ViewFade::OnTimer);
    m_timer.start(kIntervalMs);
    m_sinceTick.start();
}

void ViewFade::OnTimer() {
    Tick(m_sinceTick.restart());
}

void ViewFade::Tick(qint64 elapsedMs) {
    m_shownAlpha = m_alpha;
    update();
    const int steps = static_cast<int>(std::min<qint64>(elapsedMs / kIntervalMs, kMaxStepsPerTick));
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
