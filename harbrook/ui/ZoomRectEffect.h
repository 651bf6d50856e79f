#pragma once
// The zoom effect of skinned dialogs and the version window: an outline that moves in ten steps
// from one screen rectangle to another. With a main frame (ui::SkinContext) the outline is drawn on
// it, both rectangles clamped to the frame; otherwise it is drawn on the desktop.
#include <QRect>

// Runs the effect to its end before returning: a 50 ms pause, then ten frames of delayMs each.
// Rectangles are in screen coordinates. UI thread only.
void ZoomRectEffect(const QRect& from, const QRect& to, int delayMs);

namespace ui {

constexpr int kZoomSteps = 10;
constexpr int kZoomStartPauseMs = 50;
// The delay per frame that dialogs and the version window use.
constexpr int kZoomFrameDelayMs = 25;

// Runs the same effect from the event loop and returns at once: for callers that must keep the
// window responsive while it plays. The effect cleans up after itself.
void StartZoomRectEffect(const QRect& from, const QRect& to, int delayMs);

// Frame `step` (0..9) of the effect: every edge moves from `from` toward `to` by step/10 of the
// distance, truncated toward zero.
QRect ZoomFrameRect(const QRect& from, const QRect& to, int step);

// `rect` with every edge clamped into `bounds`.
QRect ClampRect(const QRect& rect, const QRect& bounds);

}  // namespace ui
