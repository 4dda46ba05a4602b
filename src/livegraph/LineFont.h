// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The live graph's face at the largest pixel size whose whole line (ascent and descent, so
// descenders and underscores too) is at most pixels high: sized by its em, a line is about
// a fifth taller and its bottom would be cut by the band under it.
QFont LineFont(int pixels);
