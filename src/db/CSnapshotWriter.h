// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <string>
#include <vector>

// Writes this computer's history as a snapshot for the share folder: one row per program
// and day (no hours), the groups, and a meta row with the computer's id and name, in a
// rollback-journal file that readers never add -wal or -shm files to. It reads the main
// database in one read transaction of its own connection, so a flush never waits on it,
// builds the file in memory and writes it under a hidden temporary name through the one
// descriptor it opened, owner-only, then renames it into place.
class CSnapshotWriter {
  public:
    static constexpr int kSchemaVersion = 1;

    enum class Status { Written, NotWal, FolderFailed, SourceFailed, Cancelled };
    struct Result {
        Status status = Status::SourceFailed;
        std::string file;   // the snapshot's full path
        std::string error;  // why it failed
    };

    // fileName: NAME-<short id>.hgshare. cancel, when given and set, stops the work early
    // and leaves no file behind.
    static Result Write(const std::string& databasePath, const std::string& folder,
                        const std::string& fileName, const std::string& computerId,
                        const std::string& computerName, const std::atomic<bool>* cancel = nullptr);

    // The CREATE TABLE statements of a snapshot's tables, as the file stores them.
    static std::vector<std::string> TableStatements();
};
