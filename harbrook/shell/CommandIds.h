#pragma once
// Command identifiers. Menu, accelerator and internal commands keep these numbers; the internal
// ones travel between the program's windows and are never shown.
namespace cmd {

// Internal commands.
constexpr int kSelChanged = 32778;    // the selection in a view (or the mode tabs) changed
constexpr int kTransfer = 32779;      // run the transfer command
constexpr int kRefresh = 32786;       // re-read and redraw the active view
constexpr int kInit = 32789;          // first initialisation of the views after start-up
constexpr int kUpdate = 32791;        // a data store changed; views redraw from it
constexpr int kMoveFocus = 32818;     // move the keyboard focus to the next pane
constexpr int kFocusChanged = 32819;  // the focused pane changed
constexpr int kIdle = 32820;          // refresh enabled states
constexpr int kFetch = 32821;         // fetch the points from the unit
constexpr int kSaveEx = 32822;        // save the music edit data file
constexpr int kSaveDb = 32823;        // save the myDB file
constexpr int kSavePt = 32824;        // save the point file
constexpr int kClearNavi = 32827;     // clear the points that came from the unit
constexpr int kForceOrvane = 32828;   // query the map bridge for a position and discard it
constexpr int kStartTrans = 32832;    // a transfer started (run the transfer animation)
constexpr int kStopTrans = 32833;     // the transfer ended

// Menu bar buttons.
constexpr int kMenuFile = 32771;
constexpr int kMenuEdit = 32772;
constexpr int kMenuView = 32773;
constexpr int kMenuHelp = 32774;

// Modes (View menu, mode tabs).
constexpr int kModeMusic = 32775;
constexpr int kModeMyDb = 32776;
constexpr int kModePoints = 32777;

// File menu.
constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFileSave = 57603;
constexpr int kPointsLoadNew = 32811;
constexpr int kPointsSaveAll = 32812;
constexpr int kOptions = 32805;
constexpr int kAppExit = 57665;

// Edit menu.
constexpr int kEdit = 32798;
constexpr int kEditCut = 57635;
constexpr int kEditCopy = 57634;
constexpr int kEditPaste = 57637;
constexpr int kEditClear = 57632;
constexpr int kRowDelete = 32829;
constexpr int kRowInsert = 32799;
constexpr int kNewPlaylist = 32814;
constexpr int kMoveUp = 32784;
constexpr int kMoveDown = 32785;
constexpr int kAddToList = 32815;
constexpr int kExplorer = 32816;
constexpr int kProperties = 32806;
constexpr int kPointNew = 32783;  // the point view's new registration button
constexpr int kShowOnMap = 32808;
constexpr int kTakeFromMap = 32825;

// Help menu.
constexpr int kHelp = 57670;
constexpr int kAbout = 57664;
constexpr int kHomePage = 32813;

// System commands of the caption bar.
constexpr int kSysClose = 61536;
constexpr int kSysMaximize = 61488;
constexpr int kSysRestore = 61728;
constexpr int kSysMinimize = 61472;

}  // namespace cmd
