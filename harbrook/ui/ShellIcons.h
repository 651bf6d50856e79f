#pragma once
// ShellIcons: the small icons of the PC panes, in place of the shell's system image list: the icon
// theme's icon for the item's kind when the desktop has one, else the style's folder, file or drive
// icon; links carry an arrow overlay. Remembered per kind; UI thread only.
#include <QIcon>

struct ShellItem;

class ShellIcons {
public:
    ShellIcons() = delete;

    static constexpr int kSize = 16;
    static QIcon For(const ShellItem& item);
};
