// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtMath>

// Dialog units of the 8-point dialog font at 96 dpi: base units 6 x 13 pixels.
inline int DuX(double units) {
    return qRound(units * 1.5);
}
inline int DuY(double units) {
    return qRound(units * 1.625);
}
