#pragma once
// Where the main frame opens: the saved rectangle, unless it is empty or lost. A rectangle whose
// top-left and top-right corners both lie off every screen is dropped, and an empty one becomes the
// default size centred on the primary screen.
#include <shell/AppSettings.h>

#include <QList>
#include <QRect>

namespace frame_placement {

constexpr int kDefaultWidth = 720;
constexpr int kDefaultHeight = 540;

// `saved` as stored (right and bottom exclusive); `screens` the screens' geometries; `primary` the
// work area to centre on.
QRect InitialGeometry(const WindowRect& saved, const QList<QRect>& screens, const QRect& primary);
// The same for the screens present now.
QRect InitialGeometry(const WindowRect& saved);

WindowRect ToWindowRect(const QRect& rect);
QRect ToQRect(const WindowRect& rect);

}  // namespace frame_placement
