// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QScrollArea;
class QSize;
class QWidget;

// wanted moved (and, only where it is larger than the screen, shrunk) so the whole window
// lies inside available. The placement rules of the windows know nothing of the screen's
// size; a window whose bottom or right edge is off screen cannot be resized back.
QRect KeepOnScreen(const QRect& wanted, const QRect& available);

// Places window (move: its frame's corner; resize: its client size) at wanted, kept with its
// title bar on the available area of the screen under wanted's centre.
void PlaceOnScreen(QWidget* window, const QRect& wanted);

// Sizes window to wanted (its client size), but no larger than the available area of the
// screen it will show on, less the title bar: on a short screen a dialog stays inside it and
// its scroll area scrolls.
void FitToScreen(QWidget* window, const QSize& wanted);
// The client size window would take with scroll's page shown whole: its own size hint with
// the page's hint in place of the scroll area's (which Qt caps), and no sideways scrolling.
QSize WholePageSize(QWidget* window, QScrollArea* scroll);
