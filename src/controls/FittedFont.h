// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// face at the largest pixel size whose whole line (ascent and descent, so descenders and
// underscores too) is at most pixels high: the live graph's readable-text rule, which the
// charts keep as well.
QFont FittedFont(QFont face, int pixels);

// The pixel height of a font's line as drawn, for sizing the bands texts go into.
int FontPixels(const QFont& font);
