// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "db/KnownSchema.h"
#include "db/LeftOutReason.h"

struct sqlite3;

// A file from another computer, read as data and never as code: a snapshot or a copy of
// another computer's database. The file is opened once, without waiting (a pipe swapped in
// is refused, not waited on), and only through that descriptor: a snapshot is read into
// memory and handed to the engine read-only; a database with changes still in its -wal is
// copied with it into a private folder, which goes with this object. The connection runs
// no view, trigger or untrusted function, holds no long value, and stops at a deadline.
// The original files are never written.
class CForeignFile {
  public:
    static constexpr off_t kSnapshotCap = off_t{64} << 20;
    static constexpr off_t kDatabaseCap = off_t{1} << 30;

    struct Meta {
        std::string id;
        std::string name;
        int64_t writtenAt = 0;
    };

    // cancel, when set and raised, stops the work as the deadline does.
    CForeignFile(std::string path, const std::atomic<bool>* cancel);
    ~CForeignFile();
    CForeignFile(const CForeignFile&) = delete;
    CForeignFile& operator=(const CForeignFile&) = delete;

    // Opens the file and checks what its descriptor is; nothing is read yet. sameAs: a file
    // (device, inode) that is already counted, this computer's own database.
    enum class Opened { Ok, LeftOut, IsThatFile };
    Opened Open(dev_t sameDevice, ino_t sameInode);
    // Reads and checks the file; false: Reason() says why it is left out.
    bool Load();

    LeftOutReason Reason() const { return reason_; }
    // The reason for a statement of the caller's that failed with rc.
    LeftOutReason FailureReason(int rc) const;
    // A new deadline for the next step, scale times the usual one.
    void Restart(double scale = 1.0);

    SchemaKind Kind() const { return kind_; }
    const Meta& SnapshotMeta() const { return meta_; }
    sqlite3* Db() const { return db_; }

  private:
    bool Fail(LeftOutReason reason);
    bool Stopped();
    static int Progress(void* self);
    bool Configure();
    bool ReadHeader();
    bool CopyInto(int from, off_t size, const std::string& to, const unsigned char* bytes);
    bool CopyWithLog(int log, off_t logSize);
    bool Classify();
    bool CheckSnapshot();

    std::string path_;
    const std::atomic<bool>* cancel_;
    std::chrono::steady_clock::time_point deadline_;
    bool late_ = false;
    int fd_ = -1;
    off_t size_ = 0;
    std::unique_ptr<unsigned char[]> bytes_;  // the file, for the engine to read in place
    std::string folder_;                      // the private copy's folder; empty: none
    sqlite3* db_ = nullptr;
    SchemaKind kind_ = SchemaKind::Other;
    Meta meta_;
    LeftOutReason reason_ = LeftOutReason::CannotRead;
};
