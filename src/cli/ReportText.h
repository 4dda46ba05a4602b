// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class CReportModel;

// The report as text for scripts and spreadsheets, from the report window's own
// computation. Values are seconds; names and paths are made valid UTF-8 (broken bytes
// become U+FFFD), whatever bytes the database holds.

// A header line, then one line per row in report order: the list's cells, RFC 4180
// quoting, LF line ends.
std::string ReportCsv(const CReportModel& report);
// {"date", "mode", "computers": [names], "rows": [...], "totals": {...}}; rows carry "path"
// in Process mode only.
std::string ReportJson(const std::string& date, const CReportModel& report,
                       const std::vector<std::string>& computers = {});
