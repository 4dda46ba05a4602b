// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/MergedHistoryModel.h"

#include <utility>

#include "core/CShareSettings.h"

MergedHistoryModel ComputeMergedHistory(const std::string& databasePath,
                                        const CShareSettings& share,
                                        const std::vector<std::string>& snapshots,
                                        const HistoryQuery& query,
                                        const std::atomic<bool>* cancel) {
    MergedHistoryModel merged;
    if (query.by == HistoryBy::Hour) {
        merged.history = CHistoryModel::Compute(databasePath, query);
        merged.computers = {share.Name()};
        merged.hoursFrom = {share.Name()};
        if (!merged.history.Complete()) {
            merged.thisComputerError = "its hours could not be read";
        }
        return merged;
    }
    CMergedReport::HistoryResult result = CMergedReport::ComputeHistory(
        databasePath, share.Name(), share.Id(), snapshots, query.firstDay, query.lastDay,
        query.mode == ReportMode::Group, cancel);
    merged.history = CHistoryModel(query, std::move(result.rows));
    merged.computers = std::move(result.computers);
    merged.leftOut = std::move(result.leftOut);
    merged.thisComputerError = std::move(result.thisComputerError);
    return merged;
}
