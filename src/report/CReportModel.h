// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "db/DbRows.h"
#include "report/ReportData.h"

class CUsageDb;

// One computed report: the rows in report order (never re-sorted here), the mode, the five
// totals and the top-five extract for the chart.
class CReportModel {
  public:
    static constexpr int kChartItems = 5;

    CReportModel() = default;
    CReportModel(ReportMode mode, ReportTable rows);

    // Runs the mode's report over a read-only connection of its own. A failure has already
    // been shown by the database layer; the rows read before it are kept. messages: when
    // set, a failure is put there instead, for work off the GUI thread. cancel: when set
    // and raised, stops the reading at SQLite's next progress call.
    static CReportModel Compute(const std::string& databasePath, int64_t anchor, ReportMode mode,
                                std::vector<std::string>* messages = nullptr,
                                const std::atomic<bool>* cancel = nullptr);
    // The same over a given database, e.g. a read-only one for a command-line report.
    static CReportModel Compute(CUsageDb& db, int64_t anchor, ReportMode mode);

    ReportMode Mode() const { return mode_; }
    const ReportTable& Rows() const { return rows_; }
    const ReportTotals& Totals() const { return totals_; }
    // The first five rows in report order, five series, colours and layout of the report.
    ChartData Chart() const;

    static ReportCells Cells(const ReportRow& row);

  private:
    ReportMode mode_ = ReportMode::Process;
    ReportTable rows_;
    ReportTotals totals_;
};
