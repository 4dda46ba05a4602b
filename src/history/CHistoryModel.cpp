// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/CHistoryModel.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <utility>

#include "core/CivilDay.h"
#include "db/CUsageDb.h"

namespace {

// Held at the largest value rather than wrapping, as the sums of the database layer are.
int64_t AddHeld(int64_t sum, int64_t value) {
    int64_t result = 0;
    if (__builtin_add_overflow(sum, value, &result)) {
        return value < 0 ? INT64_MIN : INT64_MAX;
    }
    return result;
}

}  // namespace

CHistoryModel::CHistoryModel(const HistoryQuery& query, std::vector<HistoryRow> rows)
    : query_(query) {
    const size_t columns = query_.by == HistoryBy::Hour
                               ? 24
                               : static_cast<size_t>(std::max<int64_t>(query_.Days(), 0));
    std::vector<int64_t> totals(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].values.resize(columns);
        for (const int64_t value : rows[i].values) {
            totals[i] = AddHeld(totals[i], value);
        }
    }
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (totals[a] != totals[b]) return totals[a] > totals[b];
        if (rows[a].name != rows[b].name) return rows[a].name < rows[b].name;
        return rows[a].key < rows[b].key;
    });
    columnTotals_.assign(columns, 0);
    rows_.reserve(rows.size());
    rowTotals_.reserve(rows.size());
    for (const size_t i : order) {
        for (size_t c = 0; c < columns; ++c) {
            columnTotals_[c] = AddHeld(columnTotals_[c], rows[i].values[c]);
        }
        total_ = AddHeld(total_, totals[i]);
        rowTotals_.push_back(totals[i]);
        rows_.push_back(std::move(rows[i]));
    }
}

CHistoryModel CHistoryModel::Compute(const std::string& databasePath, const HistoryQuery& query,
                                     std::vector<std::string>* messages,
                                     const std::atomic<bool>* cancel) {
    CUsageDb db(databasePath);
    db.ReadOnWorker(messages, cancel);
    return Compute(db, query);
}

CHistoryModel CHistoryModel::Compute(CUsageDb& db, const HistoryQuery& query) {
    HistorySums sums = db.History(query.firstDay, query.lastDay, query.mode == ReportMode::Group,
                                  query.by == HistoryBy::Hour);
    CHistoryModel model(query, std::move(sums.rows));
    model.complete_ = sums.complete;
    return model;
}

std::vector<std::string> CHistoryModel::Columns() const {
    std::vector<std::string> columns;
    if (query_.by == HistoryBy::Hour) {
        for (int hour = 0; hour < 24; ++hour) {
            char text[4];
            std::snprintf(text, sizeof text, "%02d", hour);
            columns.emplace_back(text);
        }
        return columns;
    }
    for (int64_t day = query_.firstDay; day <= query_.lastDay; ++day) {
        columns.push_back(DayText(day));
    }
    return columns;
}

int64_t CHistoryModel::DailyAverage(int64_t total) const {
    const int64_t days = std::max<int64_t>(query_.Days(), 1);
    // Rounded towards minus infinity, so a negative total of a hand-made file reads alike.
    return total / days - (total % days < 0 ? 1 : 0);
}

int CHistoryModel::ShareTenths(int64_t total) const {
    if (total_ <= 0) {
        return 0;
    }
    const double share = static_cast<double>(total) * 1000.0 / static_cast<double>(total_);
    return static_cast<int>(std::clamp(share + 0.5, -1e9, 1e9));
}

std::string HistorySpanText(int64_t seconds) {
    const bool negative = seconds < 0;
    // In unsigned arithmetic, so the smallest value has a magnitude too.
    const uint64_t magnitude =
        negative ? uint64_t{0} - static_cast<uint64_t>(seconds) : static_cast<uint64_t>(seconds);
    char text[48];
    std::snprintf(text, sizeof text, "%s%llu:%02llu:%02llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 3600),
                  static_cast<unsigned long long>(magnitude / 60 % 60),
                  static_cast<unsigned long long>(magnitude % 60));
    return text;
}

std::string HistoryShareText(int tenths) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%d.%d%%", tenths < 0 ? "-" : "", std::abs(tenths) / 10,
                  std::abs(tenths) % 10);
    return text;
}
