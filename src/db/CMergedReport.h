// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "db/DbRows.h"
#include "db/LeftOutReason.h"

// One report over this computer's database and the snapshots other computers wrote into
// the share folder. Programs are merged by executable name (the path is this computer's,
// else the first file's that has one), groups by group name; periods, divisors, order and
// the row cap are those of the one-computer report. The other files are data from outside,
// read through CForeignFile and never written: a file that is cut short, damaged, of another
// schema, too large or too slow is left out, a day with impossible values is left out of
// the sums, and the report is that of what could be read. Sums are checked 64-bit sums.
class CMergedReport {
  public:
    // A file left out, or named beside the others (the same computer twice, the same days).
    struct LeftOut {
        std::string file;
        std::string reason;  // LeftOutReasonText(why, count)
        LeftOutReason why = LeftOutReason::CannotRead;
        int count = 0;
    };
    struct Result {
        ReportTable rows;
        std::vector<std::string> computers;  // this computer first, then those read
        std::vector<LeftOut> leftOut;
        std::string thisComputerError;  // not empty: this computer's database was not read
    };

    // snapshots: files to read besides databasePath, snapshots or copies of another
    // computer's database (named by its file); one carrying computerId is this computer's
    // own and is skipped, and so is databasePath itself named again. Of several with one id
    // only the one written last counts, and of several with the same day sums the first;
    // all of them are named. cancel, when set and raised, stops the work at SQLite's next
    // progress call.
    static Result Compute(const std::string& databasePath, const std::string& computerName,
                          const std::string& computerId, const std::vector<std::string>& snapshots,
                          int64_t day, bool groups, const std::atomic<bool>* cancel = nullptr);

    struct HistoryResult {
        std::vector<HistoryRow> rows;  // by name; keys of other computers' rows negative
        std::vector<std::string> computers;
        std::vector<LeftOut> leftOut;
        std::string thisComputerError;
    };
    // The same files and checks, summed per day from firstDay to lastDay (CivilDay
    // numbers, both included): a history over all computers. Each file's deadline grows
    // with the range.
    static HistoryResult ComputeHistory(const std::string& databasePath,
                                        const std::string& computerName,
                                        const std::string& computerId,
                                        const std::vector<std::string>& snapshots, int64_t firstDay,
                                        int64_t lastDay, bool groups,
                                        const std::atomic<bool>* cancel = nullptr);

    // The *.hgshare files of folder, sorted by name.
    static std::vector<std::string> SnapshotsIn(const std::string& folder);
    // "Left out: NAME (reason), ..." naming files without their folder; empty when none.
    static std::string LeftOutText(const std::vector<LeftOut>& leftOut);
    // The windows' line over a merged result: this computer's failure first, then the files
    // left out; without a share folder, that only this computer is counted.
    static std::string ShareNote(const std::vector<LeftOut>& leftOut,
                                 const std::string& thisComputerError, bool sharing);

    // Called once a snapshot is open, before anything is read from it.
    static void SetOpenedHook(std::function<void(const std::string& file)> hook);
};
