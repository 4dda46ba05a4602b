// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CHistoryModel;

// A history as text for scripts and spreadsheets. Values are seconds; names and paths are
// made valid UTF-8, whatever bytes the database holds.

// "Process" (or "Group"), "Total", then one column per day (YYYY-MM-DD) or hour (00 to
// 23); one line per row in the history's order. RFC 4180 quoting, LF line ends.
std::string HistoryCsv(const CHistoryModel& history);

// {"from", "to", "by", "mode", "computers", ["hours_from",] "columns", "rows": [{"name",
// "path" (programs only), "total", "values"}], "totals": {"total", "values"}}.
// hoursFrom: the computers whose hours a by-hour history holds, when that is not every
// computer it names; the key is left out when empty.
std::string HistoryJson(const CHistoryModel& history, const std::vector<std::string>& computers,
                        const std::vector<std::string>& hoursFrom = {});

// The list under the chart: name, total, daily average and share, as the window shows
// them and the saved page lists them.
struct HistoryListCells {
    std::string name;
    std::string total;
    std::string average;
    std::string share;
};
std::vector<HistoryListCells> HistoryList(const CHistoryModel& history);
HistoryListCells HistoryListTotals(const CHistoryModel& history);
