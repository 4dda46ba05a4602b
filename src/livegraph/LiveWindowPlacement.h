// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the live graph window opens: 400 x 500 pixels, left of the main window where there
// is room, from the main window's top-left corner.
struct WindowRect {
    int left;
    int top;
    int right;
    int bottom;

    bool operator==(const WindowRect&) const = default;
};

WindowRect LiveWindowPlacement(int mainLeft, int mainTop);
