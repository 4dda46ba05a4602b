// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/CForeignFile.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <utility>
#include <vector>

#include "core/Utf8Text.h"
#include "core/WriteAll.h"
#include "db/CSnapshotWriter.h"
#include "db/DbText.h"

namespace {

// A few seconds for a snapshot; a database may be a gigabyte to copy and check.
constexpr auto kDeadline = std::chrono::seconds(5);
constexpr auto kLargeDeadline = std::chrono::seconds(30);
// A row holds two names of at most 255 characters: a few kB is plenty, and the statements
// the report runs are short.
constexpr int kValueBytes = 16 * 1024;
constexpr int kSqlBytes = 4 * 1024;
constexpr off_t kChunk = off_t{1} << 20;
constexpr int64_t kFutureSlack = 86400;

uint32_t BigEndian(const unsigned char* bytes, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | bytes[i];
    return value;
}

// Bytes read at offset, fewer only at the end of the file; -1 on an error.
ssize_t ReadAt(int fd, unsigned char* data, size_t size, off_t offset) {
    size_t done = 0;
    while (done < size) {
        const ssize_t got =
            ::pread(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return -1;
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

const char kMagic[] = "SQLite format 3";  // and its terminating zero

}  // namespace

CForeignFile::CForeignFile(std::string path, const std::atomic<bool>* cancel)
    : path_(std::move(path)), cancel_(cancel) {
    Restart();
}

CForeignFile::~CForeignFile() {
    sqlite3_close_v2(db_);
    if (fd_ >= 0) ::close(fd_);
    if (!folder_.empty()) {
        for (const char* name : {"/copy.db", "/copy.db-wal", "/copy.db-shm", "/copy.db-journal"}) {
            ::unlink((folder_ + name).c_str());
        }
        ::rmdir(folder_.c_str());
    }
}

void CForeignFile::Restart(double scale) {
    const auto usual = size_ > kSnapshotCap ? kLargeDeadline : kDeadline;
    deadline_ = std::chrono::steady_clock::now() +
                std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                    std::chrono::duration<double>(usual) * std::max(scale, 1.0));
}

bool CForeignFile::Fail(LeftOutReason reason) {
    reason_ = reason;
    return false;
}

bool CForeignFile::Stopped() {
    if (cancel_ != nullptr && cancel_->load()) return true;
    if (std::chrono::steady_clock::now() > deadline_) late_ = true;
    return late_;
}

int CForeignFile::Progress(void* self) {
    return static_cast<CForeignFile*>(self)->Stopped() ? 1 : 0;
}

LeftOutReason CForeignFile::FailureReason(int rc) const {
    if (late_) return LeftOutReason::TooSlow;
    if ((rc & 0xff) == SQLITE_TOOBIG) return LeftOutReason::TooLarge;
    return LeftOutReason::Damaged;
}

CForeignFile::Opened CForeignFile::Open(dev_t sameDevice, ino_t sameInode) {
    // Never waits: a pipe or a device opens at once, and is refused by what fstat says.
    fd_ = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) {
        reason_ = LeftOutReason::CannotOpen;
        return Opened::LeftOut;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        reason_ = LeftOutReason::CannotRead;
        return Opened::LeftOut;
    }
    if (!S_ISREG(info.st_mode)) {
        reason_ = LeftOutReason::NotAFile;
        return Opened::LeftOut;
    }
    if (info.st_dev == sameDevice && info.st_ino == sameInode) {
        return Opened::IsThatFile;
    }
    size_ = info.st_size;
    if (size_ > (EndsWith(path_, ".hgshare") ? kSnapshotCap : kDatabaseCap)) {
        reason_ = LeftOutReason::TooLarge;
        return Opened::LeftOut;
    }
    Restart();
    return Opened::Ok;
}

bool CForeignFile::ReadHeader() {
    unsigned char header[100] = {};
    const ssize_t got = ReadAt(fd_, header, sizeof header, 0);
    if (got < 0) return Fail(LeftOutReason::CannotRead);
    const size_t compared = std::min<size_t>(static_cast<size_t>(got), sizeof kMagic);
    if (std::memcmp(header, kMagic, compared) != 0) return Fail(LeftOutReason::Damaged);
    if (got < static_cast<ssize_t>(sizeof header)) return Fail(LeftOutReason::Incomplete);
    const uint32_t field = BigEndian(header + 16, 2);
    const off_t pageSize = field == 1 ? 65536 : field;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0) return Fail(LeftOutReason::Damaged);
    // The page count in the header holds when the change counter says it is current.
    const uint32_t pages = BigEndian(header + 28, 4);
    const bool counted = pages != 0 && BigEndian(header + 24, 4) == BigEndian(header + 92, 4);
    if (counted ? size_ != pages * pageSize : size_ % pageSize != 0) {
        return Fail(LeftOutReason::Incomplete);
    }
    return true;
}

bool CForeignFile::Configure() {
    // Before the engine reads a byte of the schema.
    bool set = true;
    for (const auto& [option, value] :
         {std::pair{SQLITE_DBCONFIG_DEFENSIVE, 1}, std::pair{SQLITE_DBCONFIG_ENABLE_VIEW, 0},
          std::pair{SQLITE_DBCONFIG_ENABLE_TRIGGER, 0},
          std::pair{SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0}}) {
        int now = -1;
        set = set && sqlite3_db_config(db_, option, value, &now) == SQLITE_OK && now == value;
    }
    sqlite3_limit(db_, SQLITE_LIMIT_LENGTH, kValueBytes);
    sqlite3_limit(db_, SQLITE_LIMIT_SQL_LENGTH, kSqlBytes);
    sqlite3_progress_handler(db_, 1000, Progress, this);
    return set || Fail(LeftOutReason::CannotOpen);
}

bool CForeignFile::CopyInto(int from, off_t size, const std::string& to,
                            const unsigned char* bytes) {
    const int out = ::open(to.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (out < 0) return Fail(LeftOutReason::CannotRead);
    std::vector<unsigned char> chunk(bytes != nullptr ? 0 : static_cast<size_t>(kChunk));
    bool ok = true;
    for (off_t done = 0; ok && done < size; done += kChunk) {
        const size_t length = static_cast<size_t>(std::min(kChunk, size - done));
        if (Stopped()) {
            ok = Fail(LeftOutReason::TooSlow);
        } else if (bytes != nullptr) {
            ok = WriteAll(out, bytes + done, length) || Fail(LeftOutReason::CannotRead);
        } else {
            const ssize_t got = ReadAt(from, chunk.data(), length, done);
            ok = got < 0 ? Fail(LeftOutReason::CannotRead)
                 : got < static_cast<ssize_t>(length)
                     ? Fail(LeftOutReason::Incomplete)
                     : WriteAll(out, chunk.data(), length) || Fail(LeftOutReason::CannotRead);
        }
    }
    return ::close(out) == 0 && ok;
}

bool CForeignFile::CopyWithLog(int log, off_t logSize) {
    std::error_code error;
    std::string folder =
        (std::filesystem::temp_directory_path(error) / "hourglint-copy-XXXXXX").string();
    if (error || ::mkdtemp(folder.data()) == nullptr) return Fail(LeftOutReason::CannotRead);
    folder_ = folder;
    const std::string copy = folder_ + "/copy.db";
    if (!CopyInto(fd_, size_, copy, bytes_.get()) ||
        (log >= 0 && !CopyInto(log, logSize, copy + "-wal", nullptr))) {
        return false;
    }
    bytes_.reset();
    // Read-only but not immutable, so the engine applies the -wal; the copy's folder is
    // ours, where it may keep the index of the log.
    if (sqlite3_open_v2(copy.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW, nullptr) !=
        SQLITE_OK) {
        return Fail(LeftOutReason::CannotOpen);
    }
    return Configure();
}

bool CForeignFile::Classify() {
    int rc = SQLITE_OK;
    kind_ = KnownSchemaOf(db_, rc);
    return rc == SQLITE_OK || Fail(FailureReason(rc));
}

bool CForeignFile::Load() {
    Restart();
    if (!ReadHeader()) return false;
    const bool small = size_ <= kSnapshotCap;
    unsigned char format[2] = {};
    if (small) {
        bytes_ = std::make_unique_for_overwrite<unsigned char[]>(static_cast<size_t>(size_));
        for (off_t done = 0; done < size_; done += kChunk) {
            const size_t length = static_cast<size_t>(std::min(kChunk, size_ - done));
            if (Stopped()) return Fail(LeftOutReason::TooSlow);
            const ssize_t got = ReadAt(fd_, bytes_.get() + done, length, done);
            if (got < 0) return Fail(LeftOutReason::CannotRead);
            if (got < static_cast<ssize_t>(length)) return Fail(LeftOutReason::Incomplete);
        }
        // Memory holds no -wal: read as a rollback-journal file. A -wal, if any, is read
        // from a copy below.
        for (int i = 0; i < 2; ++i) {
            format[i] = bytes_[18 + i];
            if (bytes_[18 + i] == 2) bytes_[18 + i] = 1;
        }
        if (sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            return Fail(LeftOutReason::CannotOpen);
        }
        if (!Configure()) return false;
        if (sqlite3_deserialize(db_, "main", bytes_.get(), size_, size_,
                                SQLITE_DESERIALIZE_READONLY) != SQLITE_OK) {
            return Fail(LeftOutReason::Damaged);
        }
        if (!Classify()) return false;
    }
    if (!small || kind_ == SchemaKind::Database) {
        // A database's latest rows may still be in its -wal: both are copied and read.
        int log = ::open((path_ + "-wal").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        struct stat info {};
        if (log < 0 && errno != ENOENT) return Fail(LeftOutReason::CannotRead);
        if (log >= 0 && (::fstat(log, &info) != 0 || !S_ISREG(info.st_mode))) {
            ::close(log);
            return Fail(LeftOutReason::NotAFile);
        }
        if (log >= 0 && size_ + info.st_size > kDatabaseCap) {
            ::close(log);
            return Fail(LeftOutReason::TooLarge);
        }
        if (!small || (log >= 0 && info.st_size > 0)) {
            if (small) {
                bytes_[18] = format[0];
                bytes_[19] = format[1];
            }
            sqlite3_close_v2(db_);
            db_ = nullptr;
            const bool copied = CopyWithLog(log, info.st_size);
            if (log >= 0) ::close(log);
            if (!copied || !Classify()) return false;
            // Only a database may be larger than a snapshot, and a log makes no snapshot.
            if (kind_ == SchemaKind::Snapshot) {
                return Fail(small ? LeftOutReason::AnotherSchema : LeftOutReason::TooLarge);
            }
        } else if (log >= 0) {
            ::close(log);
        }
    }
    if (kind_ == SchemaKind::Other) return Fail(LeftOutReason::AnotherSchema);

    sqlite3_stmt* check = nullptr;
    int rc = sqlite3_prepare_v2(db_, "PRAGMA quick_check", -1, &check, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_step(check);
    const auto* result = rc == SQLITE_ROW ? sqlite3_column_text(check, 0) : nullptr;
    const bool whole =
        result != nullptr && std::strcmp(reinterpret_cast<const char*>(result), "ok") == 0;
    sqlite3_finalize(check);
    if (!whole) return Fail(rc == SQLITE_ROW ? LeftOutReason::Damaged : FailureReason(rc));
    return kind_ != SchemaKind::Snapshot || CheckSnapshot();
}

bool CForeignFile::CheckSnapshot() {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(
        db_, "SELECT computer_id, computer_name, schema_version, written_at FROM meta", -1, &stmt,
        nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_step(stmt);
    bool known = rc == SQLITE_ROW && sqlite3_column_type(stmt, 0) == SQLITE_TEXT &&
                 sqlite3_column_type(stmt, 2) == SQLITE_INTEGER &&
                 sqlite3_column_int64(stmt, 2) == CSnapshotWriter::kSchemaVersion &&
                 sqlite3_column_type(stmt, 3) == SQLITE_INTEGER;
    if (known) {
        const auto text = [stmt](int column) {
            const auto* value = sqlite3_column_text(stmt, column);
            std::string read = value != nullptr ? reinterpret_cast<const char*>(value) : "";
            TruncateUtf8(read, kReadTextChars);
            return read;
        };
        meta_.id = text(0);
        meta_.name = ShownText(text(1));
        meta_.writtenAt = sqlite3_column_int64(stmt, 3);
        // One meta row, naming a computer.
        rc = sqlite3_step(stmt);
        known = rc == SQLITE_DONE && !meta_.id.empty();
    }
    sqlite3_finalize(stmt);
    if (!known) {
        return Fail(rc == SQLITE_ROW || rc == SQLITE_DONE ? LeftOutReason::AnotherSchema
                                                          : FailureReason(rc));
    }
    if (meta_.writtenAt > static_cast<int64_t>(std::time(nullptr)) + kFutureSlack) {
        return Fail(LeftOutReason::WrittenInTheFuture);
    }
    return true;
}
