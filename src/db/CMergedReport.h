// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "db/DbRows.h"

// One report over this computer's database and the snapshots other computers wrote into
// the share folder. Programs are merged by executable name (the path is this computer's,
// else the first file's that has one), groups by group name; periods, divisors, order and
// the row cap are those of the one-computer report. Snapshots are opened read-only and
// immutable, never written; a file that is cut short, damaged or of another schema is left
// out, and the report is that of the files that could be read.
class CMergedReport {
  public:
    struct LeftOut {
        std::string file;
        std::string reason;
    };
    struct Result {
        ReportTable rows;
        std::vector<std::string> computers;  // this computer first, then those read
        std::vector<LeftOut> leftOut;
        std::string thisComputerError;  // not empty: this computer's database was not read
    };

    // snapshots: files to read besides databasePath; one carrying computerId is this
    // computer's own and is skipped, and of several with one id only the newest counts.
    // cancel, when set and raised, stops the work at SQLite's next progress call.
    static Result Compute(const std::string& databasePath, const std::string& computerName,
                          const std::string& computerId, const std::vector<std::string>& snapshots,
                          int64_t day, bool groups, const std::atomic<bool>* cancel = nullptr);

    // The *.hgshare files of folder, sorted by name.
    static std::vector<std::string> SnapshotsIn(const std::string& folder);
    // "Left out: NAME (reason), ..." naming files without their folder; empty when none.
    static std::string LeftOutText(const std::vector<LeftOut>& leftOut);

    // Called once a snapshot is open, before anything is read from it.
    static void SetOpenedHook(std::function<void(const std::string& file)> hook);
};
