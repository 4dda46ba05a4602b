// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/CDayTotals.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <chrono>
#include <limits>
#include <thread>

#include "core/Translate.h"
#include "db/SqliteConnection.h"
#include "db/SqliteError.h"
#include "db/SqliteStatement.h"

namespace {

constexpr char kContext[] = "CDayTotals";

const char* const kTable =
    "CREATE TABLE tday (itemid INTEGER NOT NULL, d TEXT NOT NULL, seconds INTEGER NOT NULL, "
    "hours INTEGER NOT NULL, PRIMARY KEY (itemid, d)) WITHOUT ROWID";
// The reports and the history ask for days, not programs.
const char* const kIndex = "CREATE INDEX ix_tday_day ON tday(d, itemid, seconds)";
const char* const kFillTable = "CREATE TABLE tday_fill (next INTEGER NOT NULL)";

// A row counts under its program and day; one without either is never reported. While the
// roll-up fills, only the programs already summed are followed: the others' rows are
// summed when their chunk comes, as they are then.
std::string Triggers(bool filling) {
    const std::string newCovered = filling ? " AND NEW.itemid < (SELECT next FROM tday_fill)" : "";
    const std::string oldCovered = filling ? " AND OLD.itemid < (SELECT next FROM tday_fill)" : "";
    const std::string addNew =
        "INSERT OR IGNORE INTO tday(itemid, d, seconds, hours) SELECT NEW.itemid, NEW.d, 0, 0 "
        "WHERE NEW.itemid IS NOT NULL AND NEW.d IS NOT NULL" +
        newCovered +
        "; UPDATE tday SET seconds = seconds + COALESCE(NEW.seconds, 0), hours = hours + 1 "
        "WHERE itemid = NEW.itemid AND d = NEW.d" +
        newCovered + ";";
    const std::string takeOld =
        "UPDATE tday SET seconds = seconds - COALESCE(OLD.seconds, 0), hours = hours - 1 "
        "WHERE itemid = OLD.itemid AND d = OLD.d" +
        oldCovered + "; DELETE FROM tday WHERE itemid = OLD.itemid AND d = OLD.d AND hours <= 0;";
    return "CREATE TRIGGER tday_insert AFTER INSERT ON ttime BEGIN " + addNew +
           " END;"
           "CREATE TRIGGER tday_delete AFTER DELETE ON ttime BEGIN " +
           takeOld +
           " END;"
           "CREATE TRIGGER tday_update AFTER UPDATE OF itemid, d, seconds ON ttime BEGIN " +
           takeOld + " " + addNew + " END;";
}

const char* const kDropTriggers =
    "DROP TRIGGER IF EXISTS tday_insert; DROP TRIGGER IF EXISTS tday_delete; "
    "DROP TRIGGER IF EXISTS tday_update;";

// Chunks end on a program: the first program at or past chunkRows hour rows on.
const char* const kChunkEnd =
    "SELECT itemid FROM ttime WHERE itemid >= ?1 AND itemid <= 9223372036854775807 "
    "ORDER BY itemid LIMIT 1 OFFSET ?2";
// TOTAL sums as the triggers' arithmetic does: null and text that is no number as 0.
const char* const kSumChunk =
    "INSERT INTO tday(itemid, d, seconds, hours) SELECT itemid, d, TOTAL(seconds), COUNT(*) "
    "FROM ttime WHERE itemid >= ?1 AND itemid < ?2 AND d IS NOT NULL GROUP BY itemid, d";
const char* const kSumLastChunk =
    "INSERT INTO tday(itemid, d, seconds, hours) SELECT itemid, d, TOTAL(seconds), COUNT(*) "
    "FROM ttime WHERE itemid >= ?1 AND itemid <= 9223372036854775807 AND d IS NOT NULL "
    "GROUP BY itemid, d";

std::set<std::string> SchemaNames(SqliteConnection& connection) {
    std::set<std::string> names;
    SqliteStatement select(connection, "SELECT name FROM sqlite_master");
    while (select.Step()) {
        names.insert(select.Text("name"));
    }
    return names;
}

bool Cancelled(const std::atomic<bool>* cancel) {
    return cancel != nullptr && cancel->load();
}

int StopWhenCancelled(void* flag) {
    return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0;
}

}  // namespace

CDayTotals::State CDayTotals::StateOf(const std::set<std::string>& schemaNames) {
    for (const char* name : {"tday", "tday_insert", "tday_delete", "tday_update"}) {
        if (schemaNames.count(name) == 0) {
            return State::Missing;
        }
    }
    return schemaNames.count("tday_fill") != 0 ? State::Filling : State::Ready;
}

std::string CDayTotals::CreateSql() {
    return std::string(kTable) + ";" + kIndex + ";" + Triggers(false);
}

std::vector<CDayTotals::SchemaEntry> CDayTotals::SchemaEntries() {
    std::vector<SchemaEntry> entries = {{"table", "tday", kTable},
                                        {"index", "ix_tday_day", kIndex},
                                        {"table", "tday_fill", kFillTable}};
    // Both forms of each trigger, split at the statement ends of Triggers().
    for (const bool filling : {false, true}) {
        const std::string all = Triggers(filling);
        size_t start = 0;
        for (const char* name : {"tday_insert", "tday_delete", "tday_update"}) {
            const size_t end = all.find(" END;", start) + 4;
            entries.push_back({"trigger", name, all.substr(start, end - start)});
            start = end + 1;
        }
    }
    return entries;
}

bool CDayTotals::Step(SqliteConnection& connection, int64_t chunkRows, int& chunks) {
    switch (StateOf(SchemaNames(connection))) {
        case State::Ready:
            return false;
        case State::Missing: {
            // A roll-up without its triggers may have missed writes: it starts again.
            connection.Execute(kDropTriggers);
            connection.Execute("DROP TABLE IF EXISTS tday; DROP TABLE IF EXISTS tday_fill;");
            connection.Execute((std::string(kTable) + ";" + kIndex + ";" + kFillTable + ";" +
                                "INSERT INTO tday_fill(next) VALUES (-9223372036854775808);" +
                                Triggers(true))
                                   .c_str());
            return true;
        }
        case State::Filling:
            break;
    }
    int64_t next = std::numeric_limits<int64_t>::min();
    {
        SqliteStatement select(connection, "SELECT next FROM tday_fill");
        if (select.Step()) {
            next = select.Int("next");
        }
    }
    SqliteStatement end(connection, kChunkEnd);
    end.Bind(1, next);
    end.Bind(2, chunkRows);
    bool last = true;
    int64_t stop = 0;
    if (end.Step() && !end.IsNull("itemid")) {
        stop = end.Int("itemid");
        // One program with more hour rows than a chunk is a chunk of its own.
        if (stop == next) {
            last = stop == std::numeric_limits<int64_t>::max();
            stop = last ? stop : stop + 1;
        } else {
            last = false;
        }
    }
    {
        SqliteStatement sum(connection, last ? kSumLastChunk : kSumChunk);
        sum.Bind(1, next);
        if (!last) {
            sum.Bind(2, stop);
        }
        sum.Run();
        ++chunks;
    }
    if (!last) {
        SqliteStatement advance(connection, "UPDATE tday_fill SET next = ?");
        advance.Bind(1, stop);
        advance.Run();
        return true;
    }
    // Every program is summed: from now on the triggers follow every row.
    connection.Execute(kDropTriggers);
    connection.Execute("DROP TABLE tday_fill;");
    connection.Execute(Triggers(false).c_str());
    return true;
}

CDayTotals::Result CDayTotals::Fill(const std::string& path, const std::atomic<bool>* cancel,
                                    const Options& options) {
    Result result;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        result.error =
            Translate(kContext, QT_TRANSLATE_NOOP("CDayTotals", "no database at %1"), {path});
        return result;
    }
    SqliteConnection connection;
    if (!connection.Open(path, options.busyTimeoutMs)) {
        result.error = connection.ErrorText();
        return result;
    }
    if (cancel != nullptr) {
        sqlite3_progress_handler(connection.Handle(), 1000, StopWhenCancelled,
                                 const_cast<std::atomic<bool>*>(cancel));
    }
    for (bool more = true; more;) {
        if (Cancelled(cancel)) {
            result.outcome = Outcome::Cancelled;
            return result;
        }
        try {
            connection.Execute("BEGIN IMMEDIATE");
            try {
                more = Step(connection, options.chunkRows, result.chunks);
                connection.Execute("COMMIT");
            } catch (const SqliteError&) {
                connection.ExecuteQuietly("ROLLBACK");
                throw;
            }
        } catch (const SqliteError& e) {
            if (Cancelled(cancel)) {
                result.outcome = Outcome::Cancelled;
                return result;
            }
            // Others' writes come first: a busy file is tried again after the pause.
            if (e.Code() != SQLITE_BUSY && e.Code() != SQLITE_LOCKED) {
                result.error = e.what();
                return result;
            }
        }
        // Paused in short steps, so a cancel ends the wait soon.
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(options.pauseMs);
        while (more && !Cancelled(cancel) && std::chrono::steady_clock::now() < until) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    result.outcome = Outcome::Ready;
    return result;
}
