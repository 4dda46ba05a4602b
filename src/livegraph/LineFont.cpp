// SPDX-License-Identifier: GPL-3.0-or-later
#include "livegraph/LineFont.h"

#include "controls/FittedFont.h"

QFont LineFont(int pixels) {
    return FittedFont(QFont(QStringLiteral("Microsoft Sans Serif")), pixels);
}
