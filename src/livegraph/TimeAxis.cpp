// SPDX-License-Identifier: GPL-3.0-or-later
#include "livegraph/TimeAxis.h"

#include <cstdio>

namespace {

constexpr int kStripStart = 174;  // label column and gap

std::string ClockLabel(int hour, int minute) {
    while (minute < 0) {
        minute += 60;
        --hour;
    }
    while (hour < 0) hour += 24;
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", hour % 24, minute % 60);
    return text;
}

}  // namespace

std::vector<AxisMark> TimeAxisMarks(int hour, int minute, int second, int plotWidth, int stripWidth,
                                    int labelWidth) {
    std::vector<AxisMark> marks;
    if (second % 30 >= stripWidth) {
        return marks;
    }
    const int pw = plotWidth;
    const bool even = minute % 2 == 0;
    const int x0 = even ? pw - second : pw - second - 60;
    const int labelMinute = even ? minute : minute - 1;
    auto shortTick = [&](int age) {
        if (age < stripWidth) marks.push_back(AxisMark{pw - age, false, {}});
    };
    if (second >= 30) shortTick(second - 30);
    if (!even) {
        shortTick(second);
        shortTick(second + 30);
    }
    const int half = labelWidth / 2;
    const int left = x0 - half;
    const int leftLimit = (!even && second < 30) ? kStripStart : 0;
    if (pw - x0 <= stripWidth && left >= leftLimit && left + labelWidth - pw <= half) {
        marks.push_back(AxisMark{x0, true, ClockLabel(hour, labelMinute)});
    }
    const int g = x0 - kStripStart;
    for (int k = 1; k <= g / 30; ++k) {
        if (k % 4 == 0) {
            const int x = x0 - 30 * k;
            const bool labelled = x >= kStripStart && x - half + labelWidth <= pw;
            marks.push_back(
                AxisMark{x, true, labelled ? ClockLabel(hour, labelMinute - k / 2) : ""});
        } else {
            marks.push_back(AxisMark{x0 - 30 * k, false, {}});
        }
    }
    return marks;
}
