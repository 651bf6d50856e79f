#pragma once
// The skin's bars and panels: caption bar, menu bar, mode tab bar, transfer bar, the point view's
// header strip, scroll bar parts and the dialog caption and background. The Backdrop functions
// give the buttons that sit on a bar the exact part of the bar behind them.
#include "ArtKit.h"

namespace skingen::bars {

constexpr int kMenuBarHeight = 16;
constexpr int kTabBarTop = 6;      // rows of image 144
constexpr int kTabBarBody = 28;    // rows of images 143 and 142
constexpr int kTabTop = 12;        // tabs sit at this y of the tab bar
constexpr int kBarHeight = 37;     // transfer bar and point header
constexpr int kScrollThickness = 14;
constexpr int kDialogCaption = 22;

Backdrop CaptionBackdrop();
Backdrop MenuBarBackdrop();
Backdrop TabBackdrop();                   // for 22-row tabs at kTabTop
Backdrop DarkBarBackdrop(int offsetY);    // transfer bar / point header rows from offsetY
Backdrop DialogBackdrop();

QImage MenuBar();                          // 137
QImage TabBarTop();                        // 144
QImage TabBarBody();                       // 143
QImage TabBarRight();                      // 142
QImage DarkBar(int width, bool leftEnd);   // 149 / 150 / 179 / 180 base
QImage TransferBarLeft();                  // 150
QImage TransferBarRight();                 // 151
QImage PointHeaderRight();                 // 184
QImage ScrollTrack(bool horizontal);       // 171 / 174
QImage ScrollArrow(int direction);         // 172, 177, 173, 175
QImage ScrollThumb(bool horizontal);       // 170 / 176
QImage ScrollCorner();                     // 178
QImage DialogBackground();                 // 187
QImage DialogCaption(bool left);           // 188 / 189

}  // namespace skingen::bars
