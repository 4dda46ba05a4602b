// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Rows that the group store and the reports hand to their callers.

// A program as the group editor sees it.
struct GroupProgramRow {
    int64_t id = 0;  // titem.id: the name may not survive conversion to text
    std::string name;
    std::string path;
    int64_t groupid = 0;
};

// A user-defined group; id 0, "Default", has no row.
struct GroupRow {
    int64_t id = 0;
    std::string name;
};

// Everything the group editor loads.
struct GroupStoreData {
    std::vector<GroupProgramRow> programs;
    std::vector<GroupRow> groups;
    bool complete = true;  // false after a failure: the rows are only those read before it
};

// Moves the program with titem.id id into the group groupid.
struct GroupAssignment {
    int64_t groupid = 0;
    int64_t id = 0;
};

// One program or group of a report: the chosen day, the day before and the average day of
// the last 7, 30 and 365 days, in seconds. Computed in 64 bits; a value beyond a cell's
// range shows as the largest one.
struct ReportRow {
    int64_t key = 0;  // titem.id or groupid
    std::string name;
    std::string path;  // programs only
    int32_t today = 0;
    int32_t yesterday = 0;
    int32_t week = 0;
    int32_t month = 0;
    int32_t year = 0;

    bool operator==(const ReportRow&) const = default;
};

// At most kReportRows rows: the chosen day's most used first, then the others in the order
// the earlier periods first met them.
using ReportTable = std::vector<ReportRow>;
inline constexpr size_t kReportRows = 1000;

// One program or group of a history: its seconds in each column, a day of the range or an
// hour of day summed over the range's days. Summed in 64 bits, held at the largest value
// rather than wrapping.
struct HistoryRow {
    int64_t key = 0;  // titem.id or groupid on this computer; negative for other computers'
    std::string name;
    std::string path;  // programs only
    std::vector<int64_t> values;

    bool operator==(const HistoryRow&) const = default;
};

// Every program or group with an hour row in the range, in no particular order.
struct HistorySums {
    std::vector<HistoryRow> rows;
    bool complete = true;  // false after a failure: the rows are only those read before it
};

// Seconds of one program not yet written to the database.
struct PendingEntry {
    std::string name;
    int32_t seconds = 0;
    std::string path;  // own copy: the usage record it came from may be gone by the flush
};
