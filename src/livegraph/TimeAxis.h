// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// One mark of the time axis, x measured from the plot's left edge; "now" is at the plot's
// right end. An empty label means the tick is drawn without one.
struct AxisMark {
    int x;
    bool isLong;
    std::string label;

    bool operator==(const AxisMark&) const = default;
};

// The marks for the local time hour:minute:second on a plot `plotWidth` wide whose strip
// is `stripWidth` wide: a labelled long tick every even minute, short ticks at the other
// half minutes. `labelWidth` is the width of one "HH:MM" text, for the visibility rules.
std::vector<AxisMark> TimeAxisMarks(int hour, int minute, int second, int plotWidth, int stripWidth,
                                    int labelWidth);
