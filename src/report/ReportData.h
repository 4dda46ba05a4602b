// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Plain values shared by the report computation, its window, the chart and the export.
// No Qt here, so a command-line report can use them too.

enum class ReportMode { Process, Group };

// "Process" or "Group": the first column's heading and the mode in the saved file.
inline const char* ReportModeText(ReportMode mode) {
    return mode == ReportMode::Process ? "Process" : "Group";
}

// The sums of the five value columns over all rows of one report.
struct ReportTotals {
    int32_t today = 0;
    int32_t yesterday = 0;
    int32_t week = 0;
    int32_t month = 0;
    int32_t year = 0;

    bool operator==(const ReportTotals&) const = default;
};

// The six cell texts of a list row: name, then the five values as "%d".
using ReportCells = std::array<std::string, 6>;

// What the bar chart draws: values[series][item].
struct ChartData {
    std::vector<std::string> items;
    std::vector<std::string> series;
    std::vector<std::vector<int32_t>> values;
    std::vector<uint32_t> colours;  // 0xRRGGBB per series; empty: the chart's own palette
    std::string title;
    int topMargin = 0;
    int bottomMargin = 0;
    int leftMargin = 0;
    int rightMargin = 0;
    double angleDegrees = 0;
    double ratio = 0;
};
