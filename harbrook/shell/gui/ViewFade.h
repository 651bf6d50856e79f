#pragma once
// ViewFade: the snapshot of the outgoing view that fades out over the view container when the
// mode changes. Every tick applies the current alpha and then lowers it by 32 for each full 25 ms
// since the previous step (at most three steps); once the alpha falls below zero the snapshot
// deletes itself.
#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

class ViewFade : public QWidget {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 25;
    static constexpr int kAlphaStep = 32;
    static constexpr int kMaxStepsPerTick = 3;

    // Covers `parent` with `snapshot` at full alpha and starts fading.
    ViewFade(const QPixmap& snapshot, QWidget* parent);

    int Alpha() const { return m_alpha; }
    // One timer tick after `elapsedMs` milliseconds.
    void Tick(qint64 elapsedMs);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnTimer();

    QPixmap m_snapshot;
    int m_alpha = 255;
    int m_shownAlpha = 255;
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    // Time since the last step that did not yet make a full step: a timer that fires a little
    // early must not stall the fade.
    qint64 m_carryMs = 0;
};
