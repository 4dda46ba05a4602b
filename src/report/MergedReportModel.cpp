// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/MergedReportModel.h"

#include <utility>

#include "core/CShareSettings.h"

MergedReportModel ComputeMergedReport(const std::string& databasePath, const CShareSettings& share,
                                      const std::vector<std::string>& snapshots, int64_t anchor,
                                      ReportMode mode, const std::atomic<bool>* cancel) {
    CMergedReport::Result result =
        CMergedReport::Compute(databasePath, share.Name(), share.Id(), snapshots, anchor,
                               mode == ReportMode::Group, cancel);
    MergedReportModel merged;
    merged.report = CReportModel(mode, std::move(result.rows));
    merged.computers = std::move(result.computers);
    merged.leftOut = std::move(result.leftOut);
    merged.thisComputerError = std::move(result.thisComputerError);
    return merged;
}

std::vector<std::string> ShareFolderSnapshots(const CShareSettings& share) {
    return share.Sharing() ? CMergedReport::SnapshotsIn(share.Folder())
                           : std::vector<std::string>();
}
