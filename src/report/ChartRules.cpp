// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartRules.h"

#include <algorithm>

ChartScale ComputeChartScale(int32_t largest) {
    largest = std::max<int32_t>(largest, 0);
    int64_t power = 1;  // 10^(digits - 1)
    while (power * 10 <= largest) {
        power *= 10;
    }
    const int64_t first = largest / power;
    int64_t step = first <= 1 ? power / 2 : (first <= 4 ? power : 2 * power);
    if (step == 0) {
        step = 1;
    }
    ChartScale scale;
    scale.step = static_cast<int32_t>(step);
    int64_t maximum = 0;
    int steps = 0;
    while (maximum <= largest) {
        maximum += step;
        ++steps;
    }
    // Only INT32_MAX itself could overflow here.
    scale.maximum = static_cast<int32_t>(std::min<int64_t>(maximum, INT32_MAX));
    scale.steps = steps;
    return scale;
}

void ValidateChartLayout(ChartData& chart) {
    const auto margin = [](int& value, int fallback) {
        if (value < 0 || value > 100) {
            value = fallback;
        }
    };
    margin(chart.topMargin, 20);
    margin(chart.bottomMargin, 20);
    margin(chart.leftMargin, 20);
    margin(chart.rightMargin, 15);
    if (chart.angleDegrees < 10 || chart.angleDegrees > 80) {
        chart.angleDegrees = 70;
    }
    if (chart.ratio < 0.1 || chart.ratio > 1.0) {
        chart.ratio = 0.1;
    }
}
