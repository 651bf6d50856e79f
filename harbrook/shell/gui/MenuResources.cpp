#include <shell/gui/MenuResources.h>

#include <shell/CommandIds.h>
#include <shell/Mode.h>

namespace {

constexpr MenuItem kSeparator{};

const MenuPopup kHelp = {
    {cmd::kHelp, "Harbrook のﾍﾙﾌﾟ(&H)\tF1"},
    {cmd::kAbout, "Harbrook のﾊﾞｰｼﾞｮﾝ情報(&A)..."},
    {cmd::kHomePage, "Harbrook のﾎｰﾑﾍﾟｰｼﾞ(&W)"},
};

const MenuItem kTransferItem{cmd::kTransfer, "Navi/CFｶｰﾄﾞへ転送(&T)"};
const MenuItem kOptionsItem{cmd::kOptions, "ｵﾌﾟｼｮﾝ設定(&C)"};
const MenuItem kExitItem{cmd::kAppExit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"};
const MenuItem kEditItem{cmd::kEdit, "編集(&E)\tEnter"};
const MenuItem kCutItem{cmd::kEditCut, "切り取り(&T)\tCtrl+X"};
const MenuItem kCopyItem{cmd::kEditCopy, "ｺﾋﾟｰ(&C)\tCtrl+C"};
const MenuItem kPasteItem{cmd::kEditPaste, "貼り付け(&P)\tCtrl+V"};
const MenuItem kDeleteItem{cmd::kEditClear, "削除(&D)\tDelete"};
const MenuItem kPropertiesItem{cmd::kProperties, "ﾌﾟﾛﾊﾟﾃｨ(&R)\tAlt+Enter"};
const MenuItem kMusicModeItem{cmd::kModeMusic, "WMA/MP3転送(&T)\tF6"};
const MenuItem kMyDbModeItem{cmd::kModeMyDb, "ZUZ myDB編集(&E)\tF7"};
const MenuItem kPointsModeItem{cmd::kModePoints, "登録地点ﾃﾞｰﾀ編集(&M)\tF8"};

MenuPopup fileMenu(const char* newText, const char* openText, const char* saveText) {
    return {{cmd::kFileNew, newText}, {cmd::kFileOpen, openText}, {cmd::kFileSave, saveText},
            kSeparator, kTransferItem, kOptionsItem, kSeparator, kExitItem};
}

using Menu = std::array<MenuPopup, MenuResources::kPopupCount>;

const Menu& musicMenu() {
    static const Menu menu = {
        fileMenu("転送ﾘｽﾄを新規作成(&N)", "転送ﾘｽﾄを開く(&O)\tCtrl+O", "転送ﾘｽﾄを保存(&S)\tCtrl+S"),
        MenuPopup{kEditItem, kSeparator, kCopyItem, kPasteItem, kSeparator, kDeleteItem, kSeparator,
                  {cmd::kNewPlaylist, "新規プレイリスト追加(&P)"},
                  {cmd::kMoveUp, "上へ(&U)\tAlt+↑"},
                  {cmd::kMoveDown, "下へ(&D)\tAlt+↓"},
                  kSeparator,
                  {cmd::kAddToList, "転送リストに追加(&A)"},
                  {cmd::kExplorer, "ｴｸｽﾌﾟﾛｰﾗ(&E)"},
                  kSeparator, kPropertiesItem},
        MenuPopup{kMusicModeItem, kMyDbModeItem, kPointsModeItem, kSeparator,
                  {cmd::kRefresh, "最新の情報に更新(&R)\tF5"}},
        kHelp,
    };
    return menu;
}

const Menu& myDbMenu() {
    static const Menu menu = {
        fileMenu("myDBを新規作成(&N)", "myDBを開く(&O)\tCtrl+O", "myDBを保存(&S)\tCtrl+S"),
        MenuPopup{kEditItem, kSeparator, kCutItem, kCopyItem, kPasteItem, kSeparator,
                  {cmd::kRowDelete, "削除(&D)\tShift+Ctrl+Delete"},
                  {cmd::kRowInsert, "挿入(&I)\tShift+Ctrl+Insert"}},
        MenuPopup{kMusicModeItem, kMyDbModeItem, kPointsModeItem},
        kHelp,
    };
    return menu;
}

const Menu& pointsMenu() {
    static const Menu menu = {
        MenuPopup{{cmd::kFileNew, "登録地点ﾃﾞｰﾀを新規作成(&N)"},
                  {cmd::kPointsLoadNew, "登録地点ﾃﾞｰﾀを新規読込み（&N）\tCtrl+N"},
                  {cmd::kFileOpen, "登録地点ﾃﾞｰﾀを追加読込み（&O）\tCtrl+O"},
                  {cmd::kPointsSaveAll, "登録地点ﾃﾞｰﾀを全て保存(&A)\tCtrl+A"},
                  {cmd::kFileSave, "登録地点ﾃﾞｰﾀの新規のみを保存(&S)\tCtrl+S"},
                  kSeparator,
                  {cmd::kFetch, "Naviから取得(&G)"},
                  kTransferItem, kOptionsItem, kSeparator, kExitItem},
        MenuPopup{kEditItem, kSeparator,
                  {cmd::kShowOnMap, "OrvaneWebで地図表示"},
                  {cmd::kTakeFromMap, "OrvaneWebから地点取込み"},
                  kSeparator, kCutItem, kCopyItem, kPasteItem, kSeparator, kDeleteItem, kSeparator,
                  kPropertiesItem},
        MenuPopup{kMusicModeItem, kMyDbModeItem, kSeparator,
                  {cmd::kModePoints, "最新の情報に更新(&R)\tF8"}},
        kHelp,
    };
    return menu;
}

// For a View value outside the three modes: the items every mode shares.
const Menu& defaultMenu() {
    static const Menu menu = {
        MenuPopup{kOptionsItem, kSeparator, kExitItem},
        MenuPopup{},
        MenuPopup{kMusicModeItem, kMyDbModeItem, kPointsModeItem},
        kHelp,
    };
    return menu;
}

}  // namespace

int MenuResources::MenuIdForMode(int mode) {
    switch (static_cast<Mode>(mode)) {
    case Mode::Music: return kMusicMenu;
    case Mode::MyDb: return kMyDbMenu;
    case Mode::Points: return kPointsMenu;
    default: return kDefaultMenu;
    }
}

const MenuPopup& MenuResources::Popup(int menuId, int index) {
    const Menu& menu = menuId == kMusicMenu   ? musicMenu()
                       : menuId == kMyDbMenu  ? myDbMenu()
                       : menuId == kPointsMenu ? pointsMenu()
                                               : defaultMenu();
    static const MenuPopup kNone;
    return index >= 0 && index < kPopupCount ? menu[static_cast<std::size_t>(index)] : kNone;
}
