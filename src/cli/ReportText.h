#pragma once

#include <cstdint>
#include <string>

#include "db/DbRows.h"

// The report as text for scripts and spreadsheets. Values are seconds; names and paths are
// made valid UTF-8 (broken bytes become U+FFFD), whatever bytes the database holds.

// The five column sums of a report.
struct ReportTotalsText {
    int64_t today = 0;
    int64_t yesterday = 0;
    int64_t week = 0;
    int64_t month = 0;
    int64_t year = 0;
};

// A header line, then one line per row in report order; RFC 4180 quoting, LF line ends.
std::string ReportCsv(const ReportTable& rows, bool groupMode);
// {"date", "mode", "rows": [...], "totals": {...}}; rows carry "path" in Process mode only.
std::string ReportJson(const std::string& date, bool groupMode, const ReportTable& rows,
                       const ReportTotalsText& totals);
