#pragma once
// The menus of the three modes: four popups each (File, Edit, View, Help) with their items' command
// ids and texts as the menu bar shows them ("&" marks the access key, "\t" starts the shortcut).
#include <array>
#include <vector>

struct MenuItem {
    int id = 0;                   // 0: a separator
    const char* text = nullptr;   // UTF-8; null for a separator
    bool IsSeparator() const { return id == 0; }
};

using MenuPopup = std::vector<MenuItem>;

class MenuResources {
public:
    static constexpr int kPopupCount = 4;  // File, Edit, View, Help
    static constexpr int kDefaultMenu = 128;
    static constexpr int kMusicMenu = 139;
    static constexpr int kMyDbMenu = 140;
    static constexpr int kPointsMenu = 141;

    // The menu resource of a mode (0 music, 1 myDB, 2 points); any other mode gets menu 128.
    static int MenuIdForMode(int mode);
    // Popup `index` (0 File .. 3 Help) of menu `menuId`; an unknown menu gives menu 128's.
    static const MenuPopup& Popup(int menuId, int index);
};
