#pragma once
// The program's icon for the desktop's icon theme: the application mark as PNG files in the usual
// sizes and as a scalable SVG, laid out as <folder>/hicolor/<size>/apps/harbrook.<suffix>.
#include <QString>

namespace skingen {

// False, with a message on stderr, when a file cannot be written.
bool WriteDesktopIcons(const QString& folder);

}  // namespace skingen
