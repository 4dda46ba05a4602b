// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Whether the desktop named a font and its size; Qt's own default names no size.
bool DesktopGivesFont();

// Windows take the desktop's font; where the desktop gives none, the 8-point dialog font
// ("MS Shell Dlg", which fontconfig substitutes) is set on widget.
void UseDialogFont(QWidget* widget);
