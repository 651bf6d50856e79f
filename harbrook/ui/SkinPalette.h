#pragma once
// The colours of Harbrook's skin: the calm dark-blue and silver theme the generated images are
// painted in, plus the fixed colours the skinned windows draw with. Windows that fill space next to
// a skin image (the caption bar behind images 130/131, for example) use these so the seams match.
#include <QColor>

namespace ui::palette {

// Theme, darkest to lightest.
inline const QColor kNight{0x0B, 0x15, 0x24};      // deepest navy: caption bar, splash edges
inline const QColor kNavy{0x13, 0x24, 0x3B};       // bars and button bodies
inline const QColor kDeepBlue{0x1D, 0x38, 0x5C};   // raised bar gradients
inline const QColor kSteel{0x2F, 0x5B, 0x8C};      // active tab and highlights
inline const QColor kSkyBlue{0x56, 0x97, 0xDD};    // accent (same as the start-up status line)
inline const QColor kMist{0x8B, 0xAC, 0xCF};       // soft accent, secondary text on dark
inline const QColor kSilver{0xC4, 0xCD, 0xD8};     // metallic trim
inline const QColor kPearl{0xE9, 0xEE, 0xF4};      // light panels (dialog background top)

// The caption bar's fill behind images 130 and 131 (the images are painted on it).
inline const QColor kCaptionFill = kNight;

// Skinned dialogs.
inline const QColor kDialogBorder{0x00, 0x00, 0x00};
inline const QColor kCaptionOutline{0xD8, 0xDB, 0xE6};
inline const QColor kCaptionText{0xF0, 0xF0, 0xF0};
inline const QColor kLabelText{0x3C, 0x3C, 0x3C};   // "&b" and "&n" labels
inline const QColor kHintText{0x7D, 0x99, 0xBA};    // "&c" labels

// The zoom effect's outline (drawn with XOR).
inline const QColor kZoomOutline{0x80, 0x80, 0x80};

// Skinned lists and trees.
inline const QColor kListBorder{0xC9, 0xDE, 0xF1};      // cell borders, header band, disabled list
inline const QColor kListRow{0x96, 0xB3, 0xD7};         // row background; tree background
inline const QColor kListSelected{0x6B, 0x89, 0xB1};    // selected row or tree item
inline const QColor kListDropTarget{0x6E, 0xA0, 0xD7};  // row or tree item under a drag
inline const QColor kListSelectedText{0xFF, 0xFF, 0xFF};
inline const QColor kListText{0x18, 0x1A, 0x16};
inline const QColor kCellCursor{0xFF, 0xFF, 0xFF};   // frame of the current cell in cell mode
inline const QColor kCaptionBand{0xE6, 0xE6, 0xE6};  // caption band above a tree

// Mask colour of bitmap resources used as image lists.
inline const QColor kImageListMask{0xFF, 0x00, 0xFF};

}  // namespace ui::palette
