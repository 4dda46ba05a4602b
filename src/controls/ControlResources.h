// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <array>

// The control kit's resources by id, as named in res/controls.qrc.
namespace ControlResources {

// Button icons, 32 x 32 (and 16 x 16 as "<id>-16").
inline constexpr int kGroupIcon = 138;
inline constexpr int kConfigIcon = 149;
inline constexpr int kReportIcon = 152;
inline constexpr int kAboutIcon = 153;
inline constexpr int kSetGroupIcon = 154;
inline constexpr int kSaveIcon = 155;
inline constexpr int kLiveGraphIcon = 156;
inline constexpr int kHistoryIcon = 157;

// Sort arrows, 9 x 5.
inline constexpr int kSortUpBitmap = 135;
inline constexpr int kSortDownBitmap = 141;

// The clock: background, large digits (24 x 34 cells), small digits (12 x 17 cells).
inline constexpr int kClockLargeDigits = 144;
inline constexpr int kClockBackground = 145;
inline constexpr int kClockSmallDigits = 146;

// The hover sound and the hover cursor (the desktop's pointing hand).
inline constexpr int kHoverSound = 148;
inline constexpr int kHandCursor = 147;

// Toolbar 128: 16 x 15 pictures on RGB(192, 192, 192), one per command in this order:
// show/hide, report, history, config, about, exit.
inline constexpr int kTrayToolbar = 128;
inline constexpr std::array<int, 6> kTrayToolbarCommands = {32772, 32774, 32775,
                                                            32773, 57664, 32783};

// Registers the compiled-in resources; every control calls it before loading one.
void Init();

QString IconPath(int id);     // ":/icons/<id>.png"
QString BitmapPath(int id);   // ":/bitmaps/<id>.png"
QString ToolbarPath(int id);  // ":/toolbars/<id>.png"
QString SoundPath(int id);    // ":/sounds/<id>.wav"

// For windows outside the kit: an icon in its 32 and 16 pixel sizes (the report window's
// 152, the group icon 138), and a bitmap (the sort arrows 135 and 141). Null when unknown.
QIcon Icon(int id);
QPixmap Bitmap(int id);

}  // namespace ControlResources
