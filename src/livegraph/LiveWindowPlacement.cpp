// SPDX-License-Identifier: GPL-3.0-or-later
#include "livegraph/LiveWindowPlacement.h"

WindowRect LiveWindowPlacement(int mainLeft, int mainTop) {
    WindowRect rect{};
    if (mainLeft <= 400) {
        rect.left = 200;
        rect.right = 600;
    } else {
        rect.left = mainLeft - 400;
        rect.right = mainLeft;
    }
    if (mainTop < 500) {
        rect.top = mainTop;
        rect.bottom = mainTop + 500;
    } else {
        rect.top = 100;
        rect.bottom = 600;
    }
    return rect;
}
