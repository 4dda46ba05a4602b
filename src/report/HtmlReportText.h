// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "report/ReportData.h"

// Everything the saved report file shows, already in text form where the list had text.
struct HtmlReportContent {
    ReportMode mode = ReportMode::Process;  // of the last computation
    std::string savedDate;                  // ReportDateText(now)
    std::string reportDay;                  // ReportDateText(the picker's value)
    std::string imageName;                  // file name only, no folder
    int imageWidth = 0;
    int imageHeight = 0;
    ReportTotals totals;
    std::vector<ReportCells> rows;  // in the list's display order
    std::string homepage;           // the tail's "Powered by" link
};

// The whole file: head, one block per row numbered from 1, tail; every line ends in CR LF.
// Every text cell and the mode are HTML-escaped; the page declares UTF-8.
std::string HtmlReportText(const HtmlReportContent& content);

// &, <, > and " as entities; anything else unchanged.
std::string HtmlEscape(const std::string& text);

// Every byte outside A-Z a-z 0-9 - . _ ~ as %XX, so a file name is a relative URL whatever
// it holds ('#' and '?' would otherwise end the path).
std::string UrlEncode(const std::string& text);

// The chart image beside the report: the file name's extension (after its last dot)
// replaced by "jpg", or ".jpg" appended when it has none.
std::string ChartImagePath(const std::string& reportPath);

// "December 08, 2026": English month names whatever the user's locale, like the rest of
// the page.
std::string ReportDateText(int64_t t);
