// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/SqliteConnection.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "core/Translate.h"
#include "db/CDayTotals.h"
#include "db/SqliteError.h"
#include "db/VectorState.h"

namespace {

constexpr char kContext[] = "SqliteConnection";

const char* const kCreateTables =
    "CREATE TABLE tgroup (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT);"
    "CREATE TABLE titem (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, compunit INTEGER, "
    "path TEXT, groupid INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE ttime (id INTEGER PRIMARY KEY AUTOINCREMENT, itemid INTEGER, d TEXT, "
    "h INTEGER, seconds INTEGER);";

struct IndexDef {
    const char* name;
    const char* table;
    const char* sql;
};

// The name lookup of the flush and the hour-row lookup; the second also holds the seconds,
// so loads and reports read a program's days from the index alone. The day index serves
// the day lookups of files whose history is spread over few programs.
const IndexDef kIndexes[] = {
    {"ix_titem_name", "titem", "CREATE INDEX IF NOT EXISTS ix_titem_name ON titem(name, path)"},
    {"ix_ttime_item_day_hour", "ttime",
     "CREATE INDEX IF NOT EXISTS ix_ttime_item_day_hour ON ttime(itemid, d, h, seconds)"},
    {"ix_ttime_day", "ttime", "CREATE INDEX IF NOT EXISTS ix_ttime_day ON ttime(d)"},
    // The group report walks the programs group by group, so its sums stream instead of
    // sorting every hour row of the year by group.
    {"ix_titem_group", "titem", "CREATE INDEX IF NOT EXISTS ix_titem_group ON titem(groupid, id)"},
};

// A new file is empty, so the engine would plan its first reports as if every table stayed
// tiny and sort a year of hour rows by name. These figures describe a file after a few
// years of use: many hour rows per program and per day, one row per program name.
const char* const kPlannerFigures =
    "ANALYZE sqlite_master;"
    "INSERT INTO sqlite_stat1(tbl, idx, stat) VALUES "
    "('titem', 'ix_titem_name', '200 1 1'), "
    "('ttime', 'ix_ttime_item_day_hour', '1000000 5000 24 1 1'), "
    "('ttime', 'ix_ttime_day', '1000000 2700');";

// Creates the missing folders of path, readable by the owner only.
void MakeFolders(const std::filesystem::path& folder) {
    if (folder.empty()) {
        return;
    }
    std::error_code error;
    if (std::filesystem::exists(folder, error)) {
        return;
    }
    MakeFolders(folder.parent_path());
    ::mkdir(folder.c_str(), 0700);
}

}  // namespace

SqliteConnection::~SqliteConnection() {
    Close();
}

void SqliteConnection::Close() {
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

bool SqliteConnection::Fail(const std::string& text) {
    error_ = text;
    Close();
    return false;
}

bool SqliteConnection::Open(const std::string& path, int busyTimeoutMs, Mode mode) {
    Close();
    names_.clear();
    InstallVectorStateGuard();
    error_.clear();
    readOnly_ = mode == Mode::ReadOnly;
    immutable_ = false;

    if (readOnly_) {
        // A reader leaves the file as it is: no creation, no mode change, no schema work.
        if (OpenReader(path, busyTimeoutMs, false)) {
            return true;
        }
        // A write-ahead-log file needs its -shm and -wal files, which the engine cannot
        // make in a folder this user cannot write. With no -wal file nothing is waiting to
        // be checkpointed, so the file alone is the whole database and may be read as
        // unchanging. A -wal file that exists is never removed: a writer may rely on it.
        const std::string folder = std::filesystem::path(path).parent_path().string();
        if (::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0) {
            return false;
        }
        if (::access((path + "-wal").c_str(), F_OK) == 0) {
            return Fail(Translate(kContext,
                                  QT_TRANSLATE_NOOP("SqliteConnection",
                                                    "the changes waiting in %1-wal cannot be read "
                                                    "from a folder you cannot write (%2)"),
                                  {path, error_}));
        }
        if (!OpenReader(path, busyTimeoutMs, true)) {
            return false;
        }
        immutable_ = true;
        return true;
    }

    bool readOnly = false;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            return Fail(sqlite3_errstr(SQLITE_CANTOPEN));
        }
        // A file nobody may write is treated as read-only even for root, as the user
        // meant it.
        readOnly = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
        // A connection made while the file was read-only leaves its log files behind with
        // the file's read-only mode, which would keep the file read-only for good.
        for (const char* suffix : {"-wal", "-shm"}) {
            const std::string side = path + suffix;
            if (readOnly || ::access(side.c_str(), F_OK) != 0 ||
                ::access(side.c_str(), W_OK) == 0) {
                continue;
            }
            // The file opened is the file changed: never a link, a pipe or another's file.
            const int fd =
                ::open(side.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
            struct stat sideInfo {};
            if (fd >= 0 && ::fstat(fd, &sideInfo) == 0 && S_ISREG(sideInfo.st_mode) &&
                sideInfo.st_uid == ::geteuid()) {
                ::fchmod(fd, info.st_mode & 0666);
            }
            if (fd >= 0) {
                ::close(fd);
            }
        }
    } else if (errno == ENOENT) {
        // Created here rather than by the engine so it is owner-only from the start.
        MakeFolders(std::filesystem::path(path).parent_path());
        const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
        }
    }

    const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        return Fail(db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
    }
    sqlite3_busy_timeout(db_, busyTimeoutMs);
    return PrepareSchema();
}

bool SqliteConnection::OpenReader(const std::string& path, int busyTimeoutMs, bool immutable) {
    int rc = SQLITE_OK;
    if (immutable) {
        // As a URI: the characters it reserves are escaped.
        std::string uri = "file:";
        for (const char c : std::filesystem::absolute(path).string()) {
            if (c == '%' || c == '?' || c == '#') {
                static const char kHex[] = "0123456789ABCDEF";
                uri += '%';
                uri += kHex[static_cast<unsigned char>(c) >> 4];
                uri += kHex[c & 0xF];
            } else {
                uri += c;
            }
        }
        uri += "?immutable=1";
        rc = sqlite3_open_v2(uri.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    } else {
        rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr);
    }
    if (rc != SQLITE_OK) {
        return Fail(db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
    }
    sqlite3_busy_timeout(db_, busyTimeoutMs);
    return PrepareSchema();
}

bool SqliteConnection::PrepareSchema() {
    // Reading the schema makes the engine read the file header: a file that is not a
    // database, or one locked past the busy timeout, fails here.
    std::set<std::string> names;
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db_, "SELECT name FROM sqlite_master", -1, &stmt, nullptr);
    while (rc == SQLITE_OK || rc == SQLITE_ROW) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            const auto* text = sqlite3_column_text(stmt, 0);
            names.insert(text != nullptr ? reinterpret_cast<const char*>(text) : "");
        }
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) {
        return Fail(sqlite3_errmsg(db_));
    }
    names_ = names;

    if (readOnly_) {
        return true;
    }
    if (names.empty()) {
        // A new or empty file: it gets the three tables. A file that has any schema is
        // never altered.
        // Write-ahead logging: a flush commits with one sync instead of three, and readers
        // never wait for it. Where the file system cannot share memory it stays as it is.
        sqlite3_exec(db_, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        char* message = nullptr;
        std::string sql = std::string("BEGIN IMMEDIATE;") + kCreateTables;
        for (const IndexDef& index : kIndexes) {
            sql += index.sql;
            sql += ';';
        }
        sql += kPlannerFigures;
        sql += CDayTotals::CreateSql();
        sql += "COMMIT;";
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message != nullptr ? message : sqlite3_errmsg(db_);
            sqlite3_free(message);
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            return Fail(text);
        }
        names_ = {"tday", "tday_insert", "tday_delete", "tday_update"};
        return true;
    }

    return true;
}

bool SqliteConnection::DayTotalsReady() const {
    return CDayTotals::StateOf(names_) == CDayTotals::State::Ready;
}

bool SqliteConnection::AddMissingIndexes() {
    if (db_ == nullptr) {
        return false;
    }
    // Indexes only speed things up: never wait for another connection's lock for them.
    sqlite3_busy_timeout(db_, 0);
    bool added = true;
    for (const IndexDef& index : kIndexes) {
        if (sqlite3_exec(db_, index.sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
            added = false;
            break;
        }
    }
    return added;
}

void SqliteConnection::Execute(const char* sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const std::string text = message != nullptr ? message : sqlite3_errmsg(db_);
        sqlite3_free(message);
        throw SqliteError(text, rc);
    }
}

bool SqliteConnection::InTransaction() const {
    return db_ != nullptr && sqlite3_get_autocommit(db_) == 0;
}

void SqliteConnection::ExecuteQuietly(const char* sql) noexcept {
    sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
}
