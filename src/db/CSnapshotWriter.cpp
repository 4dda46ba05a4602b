// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/CSnapshotWriter.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <initializer_list>

#include "core/Translate.h"
#include "core/WriteAll.h"

namespace {

constexpr char kContext[] = "CSnapshotWriter";

// The tables as the file stores them; the copy creates them in the attached "snap".
const char* const kTables[] = {
    "CREATE TABLE tgroup (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT)",
    "CREATE TABLE titem (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, compunit INTEGER, "
    "path TEXT, groupid INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE ttime (id INTEGER PRIMARY KEY AUTOINCREMENT, itemid INTEGER, d TEXT, "
    "h INTEGER, seconds INTEGER)",
    "CREATE TABLE meta (computer_id TEXT, computer_name TEXT, schema_version INTEGER, "
    "written_at INTEGER)",
};

const char* const kCopy =
    "INSERT INTO snap.tgroup(id, name) SELECT id, name FROM main.tgroup;"
    "INSERT INTO snap.titem(id, name, compunit, path, groupid) "
    "SELECT id, name, compunit, path, groupid FROM main.titem;"
    // Days only: reports never look at hours, and a year of days is a twenty-fourth of the
    // size for sync tools that send whole files.
    "INSERT INTO snap.ttime(itemid, d, h, seconds) "
    "SELECT itemid, d, 0, SUM(seconds) FROM main.ttime GROUP BY itemid, d;";

std::string CreateTables() {
    std::string sql;
    const std::string create = "CREATE TABLE ";
    for (const char* table : kTables) {
        sql += create + "snap." + (table + create.size()) + ";";
    }
    return sql;
}

class Connection {
  public:
    ~Connection() { sqlite3_close_v2(db); }
    sqlite3* db = nullptr;
};

std::string ErrorOf(sqlite3* db) {
    return db != nullptr ? sqlite3_errmsg(db) : "out of memory";
}

int StopWhenCancelled(void* flag) {
    return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0;
}

bool Exec(sqlite3* db, const std::string& sql, std::string& error) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        error = message != nullptr ? message : ErrorOf(db);
        sqlite3_free(message);
        return false;
    }
    return true;
}

// Runs a statement whose parameters are all texts.
bool RunWithTexts(sqlite3* db, const std::string& sql, std::initializer_list<std::string> texts,
                  std::string& error) {
    sqlite3_stmt* stmt = nullptr;
    bool ok = sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK;
    int index = 1;
    for (const std::string& text : texts) {
        ok =
            ok && sqlite3_bind_text(stmt, index++, text.c_str(), -1, SQLITE_TRANSIENT) == SQLITE_OK;
    }
    ok = ok && sqlite3_step(stmt) == SQLITE_DONE;
    if (!ok) {
        error = ErrorOf(db);
    }
    sqlite3_finalize(stmt);
    return ok;
}

}  // namespace

CSnapshotWriter::Result CSnapshotWriter::Write(const std::string& databasePath,
                                               const std::string& folder,
                                               const std::string& fileName,
                                               const std::string& computerId,
                                               const std::string& computerName,
                                               const std::atomic<bool>* cancel) {
    Result result;
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    result.file = base + fileName;

    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        result.status = Status::FolderFailed;
        result.error = Translate(
            kContext, QT_TRANSLATE_NOOP("CSnapshotWriter", "the folder %1 does not exist"),
            {folder});
        return result;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        result.status = Status::FolderFailed;
        const std::string reason = std::strerror(errno);
        result.error = Translate(
            kContext, QT_TRANSLATE_NOOP("CSnapshotWriter", "the folder %1 cannot be written: %2"),
            {folder, reason});
        return result;
    }

    Connection source;
    // Read and write, never create: a read-only connection to a write-ahead-logged file
    // may not be able to open its shared memory. It never writes the file itself.
    if (sqlite3_open_v2(databasePath.c_str(), &source.db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        result.error = ErrorOf(source.db);
        return result;
    }
    sqlite3_busy_timeout(source.db, 2000);
    {
        sqlite3_stmt* stmt = nullptr;
        std::string mode;
        if (sqlite3_prepare_v2(source.db, "PRAGMA main.journal_mode", -1, &stmt, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW) {
            const auto* text = sqlite3_column_text(stmt, 0);
            mode = text != nullptr ? reinterpret_cast<const char*>(text) : "";
        }
        sqlite3_finalize(stmt);
        if (mode != "wal") {
            result.status = mode.empty() ? Status::SourceFailed : Status::NotWal;
            result.error =
                mode.empty()
                    ? ErrorOf(source.db)
                    : Translate(kContext,
                                QT_TRANSLATE_NOOP("CSnapshotWriter",
                                                  "the database is not in write-ahead-log mode"));
            return result;
        }
    }
    if (cancel != nullptr) {
        sqlite3_progress_handler(source.db, 10000, StopWhenCancelled,
                                 const_cast<std::atomic<bool>*>(cancel));
    }

    // Built in memory and written through the one descriptor opened below: the engine is
    // never given a name in the folder, so nothing swapped in there is written to.
    std::string error;
    bool ok = Exec(source.db, "ATTACH DATABASE ':memory:' AS snap", error);
    sqlite3_int64 size = 0;
    unsigned char* bytes = nullptr;
    if (ok) {
        // The whole copy is one transaction: its reads see one moment of the main file.
        ok = Exec(source.db, "BEGIN", error) && Exec(source.db, CreateTables(), error) &&
             Exec(source.db, kCopy, error) &&
             RunWithTexts(source.db,
                          "INSERT INTO snap.meta VALUES (?, ?, " + std::to_string(kSchemaVersion) +
                              ", CAST(strftime('%s', 'now') AS INTEGER))",
                          {computerId, computerName}, error);
        if (ok) {
            ok = Exec(source.db, "COMMIT", error);
        } else {
            sqlite3_exec(source.db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
        if (ok) {
            bytes = sqlite3_serialize(source.db, "snap", &size, 0);
            ok = bytes != nullptr;
            if (!ok)
                error = Translate(kContext, QT_TRANSLATE_NOOP("CSnapshotWriter", "out of memory"));
        }
        sqlite3_exec(source.db, "DETACH DATABASE snap", nullptr, nullptr, nullptr);
    }
    if (!ok) {
        const bool cancelled = cancel != nullptr && cancel->load();
        result.status = cancelled ? Status::Cancelled : Status::SourceFailed;
        result.error = error;
        return result;
    }

    const std::string temporary = base + "." + fileName + ".tmp";
    ::unlink(temporary.c_str());
    const int fd =
        ::open(temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        sqlite3_free(bytes);
        result.status = Status::FolderFailed;
        const std::string reason = std::strerror(errno);
        result.error =
            Translate(kContext, QT_TRANSLATE_NOOP("CSnapshotWriter", "cannot create %1: %2"),
                      {temporary, reason});
        return result;
    }
    // Owner-only whatever the umask, and checked on the descriptor: the file written is the
    // one created here.
    struct stat written {};
    ok = WriteAll(fd, bytes, static_cast<size_t>(size)) && ::fsync(fd) == 0 &&
         ::fchmod(fd, 0600) == 0 && ::fstat(fd, &written) == 0 && S_ISREG(written.st_mode) &&
         written.st_size == size;
    error = std::strerror(errno);
    sqlite3_free(bytes);
    ok = ::close(fd) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), result.file.c_str()) != 0) {
        ok = false;
        const std::string reason = std::strerror(errno);
        error = Translate(kContext, QT_TRANSLATE_NOOP("CSnapshotWriter", "cannot rename %1: %2"),
                          {temporary, reason});
    } else if (!ok) {
        error = Translate(kContext, QT_TRANSLATE_NOOP("CSnapshotWriter", "cannot write %1: %2"),
                          {temporary, error});
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        result.status = Status::FolderFailed;
        result.error = error;
        return result;
    }
    result.status = Status::Written;
    return result;
}

std::vector<std::string> CSnapshotWriter::TableStatements() {
    return {std::begin(kTables), std::end(kTables)};
}
