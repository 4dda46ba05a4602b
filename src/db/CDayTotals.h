// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

class SqliteConnection;

// The roll-up of the hour rows by day: tday holds, per program and day, the sum of the
// day's hour rows and how many there are, so a year of days is read from 365 rows a
// program instead of 24 times as many. Triggers on ttime keep it true whoever writes,
// older builds and hand-written SQL included, even when they change an hour row in place.
// The hour rows stay the truth: a file without a complete roll-up is read from them.
class CDayTotals {
  public:
    // Ready: tday and its triggers; Filling: being built, tday_fill says how far;
    // Missing: anything else, a tday left without its triggers included.
    enum class State { Ready, Filling, Missing };
    static State StateOf(const std::set<std::string>& schemaNames);

    // The statements that give a new, empty file its roll-up, ready at once.
    static std::string CreateSql();

    // An entry of sqlite_master a file with the roll-up, complete or being filled, holds.
    struct SchemaEntry {
        const char* type;
        const char* name;
        std::string sql;  // as sqlite_master stores it
    };
    static std::vector<SchemaEntry> SchemaEntries();

    struct Options {
        // Hour rows summed by one chunk: a few tens of milliseconds on a slow machine.
        int64_t chunkRows = 20000;
        // The pause after each chunk, longer than the engine's longest poll of a waiting
        // writer within the tick's busy timeout, so a flush that waits gets the lock next.
        int pauseMs = 60;
        int busyTimeoutMs = 5000;
    };
    enum class Outcome { Ready, Cancelled, Failed };
    struct Result {
        Outcome outcome = Outcome::Failed;
        std::string error;
        int chunks = 0;  // transactions that summed hour rows
    };

    // Gives the existing file at path its roll-up, in short transactions of its own on
    // the calling thread; at once when the file has it. Never creates the file. A chunk
    // that finds the file busy is tried again after the pause. Raising cancel stops it
    // between chunks or inside one, which then leaves nothing behind.
    static Result Fill(const std::string& path, const std::atomic<bool>* cancel,
                       const Options& options);
    static Result Fill(const std::string& path, const std::atomic<bool>* cancel = nullptr) {
        return Fill(path, cancel, Options());
    }

    // One step of Fill inside a write transaction of connection's: starts the roll-up, sums
    // the next chunk, or completes it. False once the roll-up is ready; throws SqliteError.
    static bool Step(SqliteConnection& connection, int64_t chunkRows, int& chunks);
};
