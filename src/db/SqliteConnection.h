// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>

struct sqlite3;

// One open database connection, closed when the object goes away. Opening creates a
// missing file (owner-only) with its tables and checks that an existing file really is a
// database, so a damaged file fails here rather than at the first statement. A read-only
// connection creates and changes nothing: a missing file fails. In a folder it cannot
// write, a reader falls back to reading the file as unchanging when no -wal file exists.
class SqliteConnection {
  public:
    enum class Mode { ReadWrite, ReadOnly };

    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // False on failure; ErrorText() then says why.
    bool Open(const std::string& path, int busyTimeoutMs, Mode mode = Mode::ReadWrite);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }
    const std::string& ErrorText() const { return error_; }
    // A reader that opened the file as unchanging (SQLite's immutable), see above.
    bool IsImmutable() const { return immutable_; }

    // The file's roll-up by day (CDayTotals) was complete when it was opened. It stays so:
    // nothing the program does takes it away again.
    bool DayTotalsReady() const;

    // Adds the covering indexes a file made elsewhere may lack. Gives up at once, silently,
    // when another connection holds a lock; false then.
    bool AddMissingIndexes();

    // Runs statements without results; throws SqliteError.
    void Execute(const char* sql);
    // For ending a transaction after a failure: never throws.
    void ExecuteQuietly(const char* sql) noexcept;

    // False once a failure has rolled the whole transaction back.
    bool InTransaction() const;

    sqlite3* Handle() const { return db_; }

  private:
    bool Fail(const std::string& text);
    bool OpenReader(const std::string& path, int busyTimeoutMs, bool immutable);
    bool PrepareSchema();

    sqlite3* db_ = nullptr;
    bool readOnly_ = false;
    bool immutable_ = false;
    std::string error_;
    std::set<std::string> names_;  // sqlite_master's names when the file was opened
};
