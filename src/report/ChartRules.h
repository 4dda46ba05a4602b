// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "report/ReportData.h"

// The bar chart's arithmetic that needs no drawing surface.

// The value axis: maximum = steps x step, the first multiple of step above the largest value.
struct ChartScale {
    int32_t step = 1;
    int32_t maximum = 1;
    int steps = 1;

    bool operator==(const ChartScale&) const = default;
};

ChartScale ComputeChartScale(int32_t largest);

// Margins outside 0..100 become 20 (15 on the right), an angle outside 10..80 degrees 70,
// a ratio outside 0.1..1.0 becomes 0.1.
void ValidateChartLayout(ChartData& chart);
