// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "db/DbRows.h"
#include "report/ReportData.h"

class CUsageDb;

// One column per day of the range, or 24: the hours of day summed over its days.
enum class HistoryBy { Day, Hour };

// "day" or "hour", as the command line and the JSON name them.
inline const char* HistoryByText(HistoryBy by) {
    return by == HistoryBy::Day ? "day" : "hour";
}

// What a history shows: a range of calendar days (CivilDay numbers, both included).
struct HistoryQuery {
    int64_t firstDay = 0;
    int64_t lastDay = 0;
    HistoryBy by = HistoryBy::Day;
    ReportMode mode = ReportMode::Process;

    int64_t Days() const { return lastDay - firstDay + 1; }
    bool operator==(const HistoryQuery&) const = default;
};

// The longest range a history reads: ten years and a few days.
inline constexpr int64_t kMostHistoryDays = 3660;

// One computed history: every program or group with an hour row in the range, ordered by
// total (the largest first, then by name), with the totals of the rows and of the columns.
// No row cap: a history is read whole.
class CHistoryModel {
  public:
    CHistoryModel() = default;
    CHistoryModel(const HistoryQuery& query, std::vector<HistoryRow> rows);

    // Over a read-only connection of its own. messages: failures, instead of a message box,
    // for work off the GUI thread; cancel stops the work at SQLite's next progress call.
    static CHistoryModel Compute(const std::string& databasePath, const HistoryQuery& query,
                                 std::vector<std::string>* messages = nullptr,
                                 const std::atomic<bool>* cancel = nullptr);
    // Over a given database, e.g. a read-only one of the command line.
    static CHistoryModel Compute(CUsageDb& db, const HistoryQuery& query);

    const HistoryQuery& Query() const { return query_; }
    // YYYY-MM-DD for each day, or 00 to 23.
    std::vector<std::string> Columns() const;
    const std::vector<HistoryRow>& Rows() const { return rows_; }
    // Each row's total, in the order of Rows().
    const std::vector<int64_t>& RowTotals() const { return rowTotals_; }
    const std::vector<int64_t>& ColumnTotals() const { return columnTotals_; }
    int64_t Total() const { return total_; }
    // False when a failure cut the reading short.
    bool Complete() const { return complete_; }
    void SetComplete(bool complete) { complete_ = complete; }

    // A total spread over the range's days, rounded down.
    int64_t DailyAverage(int64_t total) const;
    // A total's share of the whole range, in tenths of a percent, rounded.
    int ShareTenths(int64_t total) const;

  private:
    HistoryQuery query_;
    std::vector<HistoryRow> rows_;
    std::vector<int64_t> rowTotals_;
    std::vector<int64_t> columnTotals_;
    int64_t total_ = 0;
    bool complete_ = true;
};

// Seconds as H:MM:SS, hours counted on past 24; a minus sign before a negative span.
std::string HistorySpanText(int64_t seconds);
// A share in tenths of a percent as "12.3%".
std::string HistoryShareText(int tenths);
