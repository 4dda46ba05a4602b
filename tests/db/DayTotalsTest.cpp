// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "DbTestSupport.h"
#include "core/CivilDay.h"
#include "db/CDayTotals.h"
#include "db/CUsageDb.h"
#include "db/DbText.h"
#include "db/KnownSchema.h"
#include "db/SqliteConnection.h"

namespace {

// The roll-up as the hour rows say it should be: one row per program and day.
const char* const kFromHours =
    "SELECT itemid, d, SUM(COALESCE(seconds, 0)), COUNT(*) FROM ttime "
    "WHERE itemid IS NOT NULL AND d IS NOT NULL GROUP BY itemid, d ORDER BY itemid, d";
const char* const kRollUp = "SELECT itemid, d, seconds, hours FROM tday ORDER BY itemid, d";

class DayTotals : public DbTest {
  protected:
    bool Ready(const std::string& path) {
        SqliteConnection connection;
        return connection.Open(path, 1000) && connection.DayTotalsReady();
    }
    // Per program, its seconds on each day of the history, as by hand.
    std::map<int64_t, std::vector<int64_t>> History(const std::string& path, int64_t first,
                                                    int64_t last) {
        std::map<int64_t, std::vector<int64_t>> sums;
        const HistorySums history = CUsageDb(path, settings_).History(first, last, false, false);
        for (const HistoryRow& row : history.rows) {
            sums[row.key] = row.values;
        }
        return sums;
    }
};

TEST_F(DayTotals, FollowWhateverAnOlderBuildWritesIntoTheHourRows) {
    CUsageDb(path_, settings_).LoadDb(0, 1);
    ASSERT_TRUE(Ready(path_));
    RawDb db(path_);
    db.Exec(
        "INSERT INTO titem(id, name, compunit, path) VALUES (1, 'a', 0, '/a'), "
        "(2, 'b', 0, '/b')");
    db.Exec(
        "INSERT INTO ttime(itemid, d, h, seconds) VALUES (1, '2026-12-05', 9, 100), "
        "(1, '2026-12-05', 10, 50), (2, '2026-12-06', 9, 30), (1, '2026-12-06', 23, 7)");
    const int64_t first = *ParseDayText("2026-12-05");
    struct Case {
        const char* what;
        const char* sql;         // as an older build or a person with the sqlite3 shell writes
        std::vector<int64_t> a;  // program a's history on the 5th and 6th afterwards
        std::vector<int64_t> b;
    };
    const Case cases[] = {
        {"nothing yet", "SELECT 1", {150, 7}, {0, 30}},
        {"an hour row grows in place",
         "UPDATE ttime SET seconds = seconds + 25 WHERE itemid = 1 AND h = 9",
         {175, 7},
         {0, 30}},
        {"a new hour row",
         "INSERT INTO ttime(itemid, d, h, seconds) VALUES (2, '2026-12-05', "
         "11, 40)",
         {175, 7},
         {40, 30}},
        {"an hour moves to another day",
         "UPDATE ttime SET d = '2026-12-06' WHERE h = 10",
         {125, 57},
         {40, 30}},
        {"an hour moves to another program",
         "UPDATE ttime SET itemid = 2 WHERE h = 23",
         {125, 50},
         {40, 37}},
        {"seconds of no value",
         "UPDATE ttime SET seconds = NULL WHERE itemid = 2 AND h = 11",
         {125, 50},
         {0, 37}},
        {"an hour row taken back",
         "DELETE FROM ttime WHERE itemid = 2 AND h = 11",
         {125, 50},
         {0, 37}},
        {"everything removed", "DELETE FROM ttime", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        db.Exec(c.sql);
        EXPECT_EQ(db.Rows(kRollUp), db.Rows(kFromHours));
        std::map<int64_t, std::vector<int64_t>> expected;
        if (!c.a.empty()) expected[1] = c.a;
        if (!c.b.empty()) expected[2] = c.b;
        // A program whose only hour of the range is empty still has its row, as in the report.
        EXPECT_EQ(History(path_, first, first + 1), expected);
    }
    // The day without hour rows left no day row behind.
    EXPECT_EQ(db.Value("SELECT COUNT(*) FROM tday"), "0");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(DayTotals, AFileWithoutThemGetsThemInChunksWhileTheTickFlushes) {
    // A file of an earlier build: its hour rows, and a roll-up whose triggers are gone, so
    // it may have missed writes and must be made again.
    CUsageDb(path_, settings_).LoadDb(0, 1);
    {
        RawDb db(path_);
        db.Exec(
            "DROP TRIGGER tday_insert; DROP TRIGGER tday_delete; DROP TRIGGER tday_update; "
            "UPDATE tday SET seconds = 1");
        db.Exec(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60) "
            "INSERT INTO titem(name, compunit, path) SELECT 'p' || i, 0, '/p' || i FROM n");
        db.Exec(
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 59), "
            "h(j) AS (SELECT 0 UNION ALL SELECT j + 1 FROM h WHERE j < 23) "
            "INSERT INTO ttime(itemid, d, h, seconds) SELECT item.id, date('2026-12-06', "
            "'-' || n.i || ' days'), h.j, 60 FROM titem AS item, n, h");
    }
    ASSERT_FALSE(Ready(path_));

    std::atomic<bool> done{false};
    CDayTotals::Result result;
    std::thread filler([&] {
        CDayTotals::Options options;
        options.chunkRows = 3000;  // 86400 hour rows: about thirty chunks
        result = CDayTotals::Fill(path_, nullptr, options);
        done = true;
    });
    // The tick: a second a step, each flushed at once with the tick's short busy timeout.
    SetAutoSave(1);
    CUsageDb tick(path_, settings_);
    int64_t now = LocalInstant(2026, 12, 6, 10);
    int flushed = 0;
    while (!done) {
        tick.AddSecond(now, "p" + std::to_string(flushed % 70 + 1), "/x");
        now += 1;
        ++flushed;
    }
    filler.join();
    tick.Flush(now, now);

    EXPECT_EQ(result.outcome, CDayTotals::Outcome::Ready) << result.error;
    EXPECT_GT(result.chunks, 20);
    EXPECT_TRUE(Ready(path_));
    EXPECT_TRUE(messages_.empty()) << messages_.front();  // no flush waited past its timeout
    EXPECT_TRUE(tick.Pending().empty());
    RawDb db(path_);
    EXPECT_EQ(db.Rows(kRollUp), db.Rows(kFromHours));
    EXPECT_EQ(db.Value("SELECT SUM(seconds) FROM ttime"),
              std::to_string(60 * 60 * 24 * 60 + flushed));
    // Done once: a second fill finds the roll-up ready and sums nothing.
    EXPECT_EQ(CDayTotals::Fill(path_).chunks, 0);
}

}  // namespace

TEST_F(DayTotals, AnotherComputersDatabaseMayHoldThemAndNothingElse) {
    struct Case {
        const char* what;
        std::string sql;  // done to a database of the program's own making
        SchemaKind kind;
    };
    const std::string filling =
        "DROP TRIGGER tday_insert; DROP TRIGGER tday_delete; DROP TRIGGER tday_update;";
    const Case cases[] = {
        {"complete", "SELECT 1", SchemaKind::Database},
        {"being filled", filling, SchemaKind::Database},  // Fill's first step comes below
        {"a trigger that does more",
         "DROP TRIGGER tday_delete; CREATE TRIGGER tday_delete AFTER DELETE ON ttime BEGIN "
         "DELETE FROM titem; END",
         SchemaKind::Other},
        {"a trigger of its own", "CREATE TRIGGER extra AFTER INSERT ON ttime BEGIN SELECT 1; END",
         SchemaKind::Other},
        {"without its hours", "DROP TABLE ttime", SchemaKind::Other},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = (folder_ / (std::string(c.what) + ".mdb")).string();
        CUsageDb(path, settings_).LoadDb(0, 1);
        RawDb(path).Exec(c.sql);
        if (c.sql == filling) {
            SqliteConnection connection;
            ASSERT_TRUE(connection.Open(path, 1000));
            int chunks = 0;
            connection.Execute("BEGIN IMMEDIATE");
            EXPECT_TRUE(CDayTotals::Step(connection, 10, chunks));
            connection.Execute("COMMIT");
            EXPECT_EQ(RawDb(path).Value("SELECT COUNT(*) FROM sqlite_master WHERE name = "
                                        "'tday_fill'"),
                      "1");
        }
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        int rc = SQLITE_OK;
        EXPECT_EQ(KnownSchemaOf(db, rc), c.kind);
        sqlite3_close_v2(db);
    }
}
