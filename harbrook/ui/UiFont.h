#pragma once
// The font every skinned window draws its text in: the UI's Japanese face (Noto Sans CJK JP) at a
// percentage of the 12-pixel base size.
#include <QFont>

// Anti-aliased; pixel size 12 × sizePercent / 100 (truncated, at least 1); weight 600 when bold,
// else 200 (the face's nearest weights, bold and regular, are what appear on screen).
QFont MakeUiFont(bool bold, int sizePercent);

namespace ui {
// The face MakeUiFont asks for.
inline constexpr const char* kUiFontFamily = "Noto Sans CJK JP";
}  // namespace ui
