#pragma once
// The resource numbers of Harbrook's own skin. Every image and sound is painted or synthesised by
// our generator (ui/tools/skingen) at build time and compiled into the program as Qt resources
// named by these numbers:
//   ":/image/<n>"   skin images (PNG), loaded with CSkinImage::Load(n)
//   ":/bitmap/<n>"  24-bit BMP images (tried before ":/image/<n>" by CSkinImage::Load)
//   ":/wave/<n>"    effect sounds (16-bit mono WAV), played with PlayEffectSound(n)
//   ":/icon/<name>" window and list icons with alpha (PNG)
//
// "×5" marks a button strip: five frames stacked vertically, each a fifth of the image height, in
// the order normal, pressed, latched, hover, disabled (CSkinButton). Sizes are width × height of one
// frame. Images marked "stretched" are drawn stretched along the bar they fill.
//
// Main frame
//   130  caption title "Harbrook", 96 × 16, drawn at x 19 of the caption bar on kCaptionFill
//   131  caption icon, 16 × 16, drawn at x 2 of the caption bar
//   132  close button, 13 × 11 ×5          133  maximise button, 13 × 11 ×5
//   134  minimise button, 13 × 11 ×5       135  restore button, 13 × 11 ×5
//   137  menu bar background, 8 × 16, stretched
//   136  menu button "File", 43 × 16 ×5    140  menu button "Edit", 43 × 16 ×5
//   139  menu button "View", 43 × 16 ×5    141  menu button "Help", 43 × 16 ×5
//   215  USB indicator, 48 × 16, five frames: 0 unplugged ... 4 connected (lit)
//   144  mode tab bar top strip, 8 × 6, stretched over the full width
//   143  mode tab bar body, 8 × 28, stretched (below 144)
//   142  mode tab bar right end, 160 × 28 (below 144)
//   147  tab "WMA/MP3転送", 162 × 22 ×5     146  tab "ZUZ myDB編集", 162 × 22 ×5
//   145  tab "登録地点データ編集", 162 × 22 ×5 (tabs sit at y 12 so they meet the view below)
//   150  transfer bar left end, 180 × 37   149  transfer bar body, 8 × 37, stretched
//   151  transfer bar right end, 270 × 37: the transfer buttons (x width − 198, y 0) and the
//        animation's well (x width − 262, y 11, where the frame draws image 241) fall on it
//   152  transfer button "Naviへ転送" (USB), 140 × 21 ×5
//   153  transfer button "CFカードへ転送" (removable media), 140 × 21 ×5
//   241  transfer animation, 56 × 16, ten frames stacked vertically
// Scroll bars and lists (14 pixels thick)
//   170  horizontal thumb, 30 × 14          171  horizontal track, 8 × 14, stretched
//   172  left arrow, 14 × 14                173  right arrow, 14 × 14
//   174  vertical track, 14 × 8, stretched  175  down arrow, 14 × 14
//   176  vertical thumb, 14 × 30            177  up arrow, 14 × 14
//   178  corner where both bars meet, 14 × 14
// Registered point view
//   180  header strip left end, 16 × 37     179  header strip body, 8 × 37, stretched
//   184  header strip right end, 140 × 37
//   183  button "開く", 140 × 21 ×5          182  button "新規登録", 140 × 21 ×5
//   198  button "地図表示", 70 × 21 ×5        199  button "地点取込", 70 × 21 ×5
//   225  clickable "OrvaneWeb" picture, 104 × 21, a single picture (not a strip)
//   205  (bitmap) state icons, four 33 × 13 icons side by side on magenta RGB(255, 0, 255):
//        0 blank, 1 on the unit, 2 saved on the PC, 3 new or changed
// Skinned dialogs
//   187  dialog background, 64 × 256, stretched below the caption band
//   188  dialog caption, left half, 160 × 22 (its height is the caption height), stretched
//   189  dialog caption, right half, 160 × 22, stretched
//   193  button "中止", 80 × 24 ×5          195  button "参照", 80 × 24 ×5
//   196  button "キャンセル", 80 × 24 ×5     197  button "取り消し", 80 × 24 ×5
//   201  button "OK", 80 × 24 ×5            209  button "いいえ", 80 × 24 ×5
//   210  button "はい", 80 × 24 ×5
//   226  choice button "緯度経度を入力", 140 × 64 ×5
//   227  choice button "OrvaneWebで指定", 140 × 64 ×5
//   233  start-up and version window background, 500 × 147
// Effect sounds
//   234  click (skinned button, list or tree selection)
//   237  a skinned dialog closes
//   238  the active mode changes
//   239  a skinned dialog or the version window opens; the version window closes
// Icons
//   icon/128        application icon, 64 × 64
//   icon/track-mp3  16 × 16 row icon of an MP3 track
//   icon/track-wma  16 × 16 row icon of a WMA track

namespace ui {

namespace image {
constexpr int kCaptionTitle = 130;
constexpr int kCaptionIcon = 131;
constexpr int kCloseButton = 132;
constexpr int kMaximiseButton = 133;
constexpr int kMinimiseButton = 134;
constexpr int kRestoreButton = 135;
constexpr int kMenuFile = 136;
constexpr int kMenuBarBackground = 137;
constexpr int kMenuView = 139;
constexpr int kMenuEdit = 140;
constexpr int kMenuHelp = 141;
constexpr int kTabBarRight = 142;
constexpr int kTabBarBody = 143;
constexpr int kTabBarTop = 144;
constexpr int kTabPoints = 145;
constexpr int kTabMyDb = 146;
constexpr int kTabMusic = 147;
constexpr int kTransferBarBody = 149;
constexpr int kTransferBarLeft = 150;
constexpr int kTransferBarRight = 151;
constexpr int kTransferUsb = 152;
constexpr int kTransferMedia = 153;
constexpr int kHScrollThumb = 170;
constexpr int kHScrollTrack = 171;
constexpr int kScrollLeft = 172;
constexpr int kScrollRight = 173;
constexpr int kVScrollTrack = 174;
constexpr int kScrollDown = 175;
constexpr int kVScrollThumb = 176;
constexpr int kScrollUp = 177;
constexpr int kScrollCorner = 178;
constexpr int kPointHeaderBody = 179;
constexpr int kPointHeaderLeft = 180;
constexpr int kPointNew = 182;
constexpr int kPointOpen = 183;
constexpr int kPointHeaderRight = 184;
constexpr int kDialogBackground = 187;
constexpr int kDialogCaptionLeft = 188;
constexpr int kDialogCaptionRight = 189;
constexpr int kButtonStop = 193;
constexpr int kButtonBrowse = 195;
constexpr int kButtonCancel = 196;
constexpr int kButtonRemove = 197;
constexpr int kPointShowMap = 198;
constexpr int kPointImportMap = 199;
constexpr int kButtonOk = 201;
constexpr int kPointStateIcons = 205;  // a bitmap resource
constexpr int kButtonNo = 209;
constexpr int kButtonYes = 210;
constexpr int kUsbIndicator = 215;
constexpr int kOrvanePicture = 225;
constexpr int kChoiceLatLon = 226;
constexpr int kChoiceMapService = 227;
constexpr int kSplash = 233;
constexpr int kTransferAnimation = 241;
}  // namespace image

namespace sound {
constexpr int kClick = 234;
constexpr int kDialogClose = 237;
constexpr int kModeChange = 238;
constexpr int kDialogOpen = 239;
}  // namespace sound

// Frames of a five-frame button strip, in strip order.
enum ButtonFrame : int {
    kFrameNormal = 0,
    kFramePressed = 1,
    kFrameLatched = 2,
    kFrameHover = 3,
    kFrameDisabled = 4,
};
constexpr int kButtonFrameCount = 5;
constexpr int kUsbIndicatorFrames = 5;
constexpr int kTransferAnimationFrames = 10;

}  // namespace ui
