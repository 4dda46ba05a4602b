// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "db/CMergedReport.h"
#include "report/CReportModel.h"

class CShareSettings;

// A report over all of the user's computers: this computer's database and the snapshots
// of the others.
struct MergedReportModel {
    CReportModel report;
    std::vector<std::string> computers;
    std::vector<CMergedReport::LeftOut> leftOut;
    std::string thisComputerError;  // not empty: this computer's database was not read
};

// snapshots: the files to read besides databasePath; share gives this computer's name and
// id.
MergedReportModel ComputeMergedReport(const std::string& databasePath, const CShareSettings& share,
                                      const std::vector<std::string>& snapshots, int64_t anchor,
                                      ReportMode mode, const std::atomic<bool>* cancel = nullptr);
// The snapshots in the share folder; none while no folder is set.
std::vector<std::string> ShareFolderSnapshots(const CShareSettings& share);
