#pragma once
// Item data roles that skinned lists and trees read from their models beyond Qt's own
// (DisplayRole for the text, DecorationRole for the small image, TextAlignmentRole of the header
// for a column's alignment). They sit far above Qt::UserRole so the views' own roles never meet
// them.
#include <Qt>

namespace ui::role {

// The value a view attaches to a row (column 0): a store index, a slot number, -1 for a new row.
constexpr int kItemData = Qt::UserRole + 0x4800;
// An image drawn over the small image of column 0 (a QIcon, QPixmap or QImage): the link mark.
constexpr int kOverlay = Qt::UserRole + 0x4801;

}  // namespace ui::role
