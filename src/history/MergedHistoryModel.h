// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "db/CMergedReport.h"
#include "history/CHistoryModel.h"

class CShareSettings;

// A history over all of the user's computers: this computer's database and the others'
// snapshots, read through the merged report's checked reader. Snapshots hold days only,
// so a history by hour of day is this computer's hours, and says so in hoursFrom.
struct MergedHistoryModel {
    CHistoryModel history;
    std::vector<std::string> computers;
    std::vector<std::string> hoursFrom;  // not empty: the computers whose hours these are
    std::vector<CMergedReport::LeftOut> leftOut;
    std::string thisComputerError;  // not empty: this computer's database was not read
};

MergedHistoryModel ComputeMergedHistory(const std::string& databasePath,
                                        const CShareSettings& share,
                                        const std::vector<std::string>& snapshots,
                                        const HistoryQuery& query,
                                        const std::atomic<bool>* cancel = nullptr);
