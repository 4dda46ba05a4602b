// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Translate.h"

// Plain values shared by the report computation, its window, the chart and the export.
// No Qt here, so a command-line report can use them too.

enum class ReportMode { Process, Group };

// "Process" or "Group": the mode in CSV and JSON, never translated.
inline const char* ReportModeText(ReportMode mode) {
    return mode == ReportMode::Process ? "Process" : "Group";
}

// The same in the user's language: the first column's heading and the mode on the page.
inline std::string ReportModeName(ReportMode mode) {
    return mode == ReportMode::Process
               ? Translate("ReportMode", QT_TRANSLATE_NOOP("ReportMode", "Process"))
               : Translate("ReportMode", QT_TRANSLATE_NOOP("ReportMode", "Group"));
}

// A row's name as the windows show it: the group every program starts in ("Default" as
// stored, and in CSV and JSON) in the user's language.
inline std::string ShownRowName(ReportMode mode, const std::string& name) {
    return mode == ReportMode::Group && name == "Default"
               ? Translate("ReportMode", QT_TRANSLATE_NOOP("ReportMode", "Default"))
               : name;
}

// The five value columns' headings in the user's language: list, chart and page.
inline std::array<std::string, 5> ReportValueHeadings() {
    return {Translate("ReportMode", QT_TRANSLATE_NOOP("ReportMode", "Today")),
            Translate("ReportMode", QT_TRANSLATE_NOOP("ReportMode", "Yesterday")),
            Translate("ReportMode", QT_TRANSLATE_NOOP("ReportMode", "Week Average")),
            Translate("ReportMode", QT_TRANSLATE_NOOP("ReportMode", "Month Average")),
            Translate("ReportMode", QT_TRANSLATE_NOOP("ReportMode", "Year Average"))};
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
