// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QSplitter;
class QWidget;

// Assistive technology reads a window's widgets in the order of their parent's children,
// which is the order they were made in, not where they stand. These put the children in
// the order of the screen; call them once the widgets are laid out. Tab order is not
// touched.

// QSplitter lowers each pane it takes in, which puts the last pane first: back to the
// splitter's order, top to bottom or left to right.
void KeepReadingOrder(QSplitter& splitter);
// The order of parent's layout, nested layouts in place: for box layouts, as they stand.
void KeepReadingOrder(QWidget& parent);
