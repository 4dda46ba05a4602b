// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "history/HistoryText.h"
#include "report/ReportData.h"

// Everything a saved history page shows, already as text.
struct HistoryPageContent {
    ReportMode mode = ReportMode::Process;
    std::string savedDate;  // ReportDateText(now)
    std::string fromDay;    // ReportDateText of the range's first day
    std::string toDay;
    std::string view;  // what the chart shows, a whole sentence
    std::vector<std::string> computers;
    std::string note;       // e.g. the hours being this computer's only; may be empty
    std::string imageName;  // file name only, no folder
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<HistoryListCells> rows;  // in the list's display order
    HistoryListCells totals;
    std::string homepage;
};

// The whole page: the range, the chart and the list, UTF-8, every text HTML-escaped; CR LF
// line ends, as the report's page has them.
std::string HistoryHtmlText(const HistoryPageContent& content);
