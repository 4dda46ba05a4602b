// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/MergedHistoryModel.h"

#include <utility>

#include "core/CShareSettings.h"
#include "core/Translate.h"

MergedHistoryModel ComputeMergedHistory(const std::string& databasePath,
                                        const CShareSettings& share,
                                        const std::vector<std::string>& snapshots,
                                        const HistoryQuery& query,
                                        const std::atomic<bool>* cancel) {
    MergedHistoryModel merged;
    if (query.by == HistoryBy::Hour) {
        // Failures are said through thisComputerError, never a box: this may run off the
        // GUI thread.
        std::vector<std::string> messages;
        merged.history = CHistoryModel::Compute(databasePath, query, &messages, cancel);
        merged.computers = {share.Name()};
        merged.hoursFrom = {share.Name()};
        for (const std::string& message : messages) {
            merged.thisComputerError += (merged.thisComputerError.empty() ? "" : " ") + message;
        }
        if (merged.thisComputerError.empty() && !merged.history.Complete()) {
            merged.thisComputerError =
                Translate("MergedHistoryModel",
                          QT_TRANSLATE_NOOP("MergedHistoryModel", "its hours could not be read"));
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
