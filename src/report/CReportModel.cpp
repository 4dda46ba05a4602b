// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CReportModel.h"

#include <algorithm>
#include <utility>

#include "db/CUsageDb.h"

namespace {

// Summed in 64 bits and clamped, so a hand-made database cannot wrap a total negative.
int32_t AddClamped(int32_t total, int32_t value) {
    const int64_t sum = int64_t{total} + value;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

}  // namespace

CReportModel::CReportModel(ReportMode mode, ReportTable rows)
    : mode_(mode), rows_(std::move(rows)) {
    if (rows_.size() > kReportRows) {
        rows_.resize(kReportRows);
    }
    for (const ReportRow& row : rows_) {
        totals_.today = AddClamped(totals_.today, row.today);
        totals_.yesterday = AddClamped(totals_.yesterday, row.yesterday);
        totals_.week = AddClamped(totals_.week, row.week);
        totals_.month = AddClamped(totals_.month, row.month);
        totals_.year = AddClamped(totals_.year, row.year);
    }
}

CReportModel CReportModel::Compute(const std::string& databasePath, int64_t anchor, ReportMode mode,
                                   std::vector<std::string>* messages,
                                   const std::atomic<bool>* cancel) {
    CUsageDb db(databasePath);
    db.ReadOnWorker(messages, cancel);
    return Compute(db, anchor, mode);
}

CReportModel CReportModel::Compute(CUsageDb& db, int64_t anchor, ReportMode mode) {
    return CReportModel(
        mode, mode == ReportMode::Process ? db.ReportProcess(anchor) : db.ReportGroup(anchor));
}

ChartData CReportModel::Chart() const {
    ChartData chart;
    const size_t n = std::min<size_t>(rows_.size(), kChartItems);
    const std::array<std::string, 5> headings = ReportValueHeadings();
    chart.series.assign(headings.begin(), headings.end());
    chart.values.assign(chart.series.size(), {});
    for (size_t i = 0; i < n; ++i) {
        const ReportRow& row = rows_[i];
        chart.items.push_back(row.name);
        chart.values[0].push_back(row.today);
        chart.values[1].push_back(row.yesterday);
        chart.values[2].push_back(row.week);
        chart.values[3].push_back(row.month);
        chart.values[4].push_back(row.year);
    }
    chart.colours = {0x0080FF, 0xE19600, 0x3CC45A, 0x973365, 0xFF8000};
    // Says five even when fewer rows exist.
    chart.title =
        mode_ == ReportMode::Process
            ? Translate("CReportModel", QT_TRANSLATE_NOOP("CReportModel", "Top 5 Processes"))
            : Translate("CReportModel", QT_TRANSLATE_NOOP("CReportModel", "Top 5 Groups"));
    chart.topMargin = 5;
    chart.bottomMargin = 5;
    chart.leftMargin = 5;
    chart.rightMargin = 0;
    chart.angleDegrees = 65;
    chart.ratio = 0.18;
    return chart;
}

ReportCells CReportModel::Cells(const ReportRow& row) {
    return {row.name,
            std::to_string(row.today),
            std::to_string(row.yesterday),
            std::to_string(row.week),
            std::to_string(row.month),
            std::to_string(row.year)};
}
