// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3_stmt;
class SqliteConnection;

// One prepared statement. Every failure throws SqliteError with the engine's own text,
// except the integer reads, which also refuse null and non-numbers as a type mismatch.
// Integers are read whole, in 64 bits: ids and sums beyond 32 bits are the caller's to keep.
class SqliteStatement {
  public:
    SqliteStatement(SqliteConnection& connection, const std::string& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Parameters count from 1.
    void Bind(int index, int64_t value);
    void Bind(int index, const std::string& text);
    // Clears the previous run so the statement can run again with new parameters.
    void Reset();

    // Runs to the next row; false at the end.
    bool Step();
    // Runs a statement that returns no rows.
    void Run();

    // Reads by column name, as the statements name their results.
    bool IsNull(std::string_view column) const;
    // Null reads as empty; longer texts are cut to maxChars characters.
    std::string Text(std::string_view column, size_t maxChars = 259) const;
    int64_t Int(std::string_view column) const;

    // By position from 0, without checks, for loops over many rows: the engine's type and
    // its own conversion to an integer (null and text that is no number as 0).
    int TypeAt(int column) const;
    int64_t IntAt(int column) const;
    std::string_view TextAt(int column) const;  // valid until the next Step

  private:
    int ColumnIndex(std::string_view column) const;
    [[noreturn]] void Throw() const;

    SqliteConnection& connection_;
    sqlite3_stmt* stmt_ = nullptr;
    bool hasRow_ = false;
};
