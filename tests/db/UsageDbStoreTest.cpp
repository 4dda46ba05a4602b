// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "db/CUsageDb.h"

namespace {

using UsageDbStore = DbTest;

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 0777;
}

}  // namespace

TEST_F(UsageDbStore, CreatesAMissingFileWithItsFolderAndTablesForTheOwnerOnly) {
    const std::string path = (folder_ / "new" / "deeper" / "HG.mdb").string();
    CUsageDb db(path, settings_);
    EXPECT_TRUE(db.LoadDb(LocalInstant(2026, 12, 6), 1000).empty());
    EXPECT_TRUE(messages_.empty());

    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_EQ(ModeOf((folder_ / "new").string()), 0700u);
    EXPECT_EQ(ModeOf((folder_ / "new" / "deeper").string()), 0700u);

    RawDb raw(path);
    EXPECT_EQ(raw.Rows("SELECT name FROM pragma_table_info('tgroup') ORDER BY cid"),
              (std::vector<std::string>{"id", "name"}));
    EXPECT_EQ(raw.Rows("SELECT name FROM pragma_table_info('titem') ORDER BY cid"),
              (std::vector<std::string>{"id", "name", "compunit", "path", "groupid"}));
    EXPECT_EQ(raw.Rows("SELECT name FROM pragma_table_info('ttime') ORDER BY cid"),
              (std::vector<std::string>{"id", "itemid", "d", "h", "seconds"}));
    EXPECT_EQ(raw.Value("SELECT \"notnull\" || '|' || dflt_value FROM "
                        "pragma_table_info('titem') WHERE name = 'groupid'"),
              "1|0");
    // The lookups of flush, load and reports each have their index.
    EXPECT_EQ(raw.Rows("SELECT name FROM pragma_index_info('ix_titem_name')"),
              (std::vector<std::string>{"name", "path"}));
    EXPECT_EQ(raw.Rows("SELECT name FROM pragma_index_info('ix_ttime_item_day_hour')"),
              (std::vector<std::string>{"itemid", "d", "h", "seconds"}));
    EXPECT_EQ(raw.Value("SELECT name FROM pragma_index_info('ix_ttime_day') WHERE seqno = 0"), "d");
    EXPECT_EQ(raw.Rows("SELECT name FROM pragma_index_info('ix_titem_group')"),
              (std::vector<std::string>{"groupid", "id"}));
}

TEST_F(UsageDbStore, LeavesAnExistingFileAloneAndAddsMissingIndexesOnceWithoutWaiting) {
    const std::string legacy =
        "CREATE TABLE titem (id INTEGER PRIMARY KEY, name TEXT, "
        "compunit INTEGER, path TEXT, groupid INTEGER DEFAULT 0)";
    const auto makeLegacy = [&legacy](const std::string& path) {
        RawDb raw(path);
        raw.Exec(legacy);
        raw.Exec("CREATE TABLE tgroup (id INTEGER PRIMARY KEY, name TEXT)");
        raw.Exec(
            "CREATE TABLE ttime (id INTEGER PRIMARY KEY, itemid INTEGER, d TEXT, "
            "h INTEGER, seconds INTEGER)");
    };
    const std::string countIndexes = "SELECT count(*) FROM sqlite_master WHERE type = 'index'";
    makeLegacy(path_);
    CUsageDb db(path_, settings_);
    db.AddSecond(LocalInstant(2026, 12, 6, 9), "a.exe", "/bin/a.exe");
    RawDb raw(path_);
    EXPECT_EQ(raw.Value("SELECT sql FROM sqlite_master WHERE name = 'titem'"), legacy);
    EXPECT_EQ(raw.Value("SELECT seconds FROM ttime"), "1");
    EXPECT_EQ(raw.Value(countIndexes), "0") << "the tick's operations never add indexes";

    // Another program reading: the try fails at once and is not repeated in this process.
    raw.Exec("BEGIN");
    raw.Value("SELECT count(*) FROM ttime");
    db.SetBusyTimeout(60000);  // would hang the test if the try waited
    db.AddMissingIndexes();
    raw.Exec("COMMIT");
    db.AddMissingIndexes();
    EXPECT_EQ(raw.Value(countIndexes), "0");
    EXPECT_TRUE(messages_.empty());

    const std::string other = (folder_ / "other.mdb").string();
    makeLegacy(other);
    CUsageDb(other, settings_).AddMissingIndexes();
    EXPECT_EQ(RawDb(other).Value(countIndexes), "4");
}

TEST_F(UsageDbStore, FlushesTheFirstSecondAtOnceAsANewProgramInDefault) {
    CUsageDb db(path_, settings_);
    const int64_t t = LocalInstant(2026, 12, 6, 14, 20, 5);
    db.AddSecond(t, "editor", "/usr/bin/editor");

    EXPECT_TRUE(db.Pending().empty());
    EXPECT_EQ(db.LastFlushTime(), t);
    RawDb raw(path_);
    EXPECT_EQ(raw.Rows("SELECT name, compunit, path, groupid FROM titem"),
              (std::vector<std::string>{"editor|0|/usr/bin/editor|0"}));
    EXPECT_EQ(raw.Rows("SELECT d, h, seconds FROM ttime"),
              (std::vector<std::string>{"2026-12-06|14|1"}));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(UsageDbStore, FlushesAfterTheIntervalAndAtTheLastSecondOfEveryHour) {
    SetAutoSave(600);
    CUsageDb db(path_, settings_);
    const int64_t start = LocalInstant(2026, 12, 6, 10, 59, 40);
    db.AddSecond(start, "a", "/a");  // first second: flushed
    for (int i = 1; i < 19; ++i) {
        db.AddSecond(start + i, "a", "/a");
    }
    ASSERT_EQ(db.Pending().size(), 1u);
    EXPECT_EQ(db.Pending()[0].seconds, 18);

    db.AddSecond(start + 19, "a", "/a");  // 10:59:59, long before the interval
    EXPECT_TRUE(db.Pending().empty());
    for (int i = 20; i < 30; ++i) {
        db.AddSecond(start + i, "a", "/a");  // 11:00:00 on
    }
    EXPECT_EQ(db.Pending()[0].seconds, 10);
    db.AddSecond(start + 19 + 600, "a", "/a");  // the interval has passed
    EXPECT_TRUE(db.Pending().empty());

    RawDb raw(path_);
    EXPECT_EQ(raw.Rows("SELECT h, seconds FROM ttime ORDER BY h"),
              (std::vector<std::string>{"10|20", "11|11"}));
}

TEST_F(UsageDbStore, AddsToTheHourRowWithinAnHourAndInsertsOneForANewHour) {
    CUsageDb db(path_, settings_);
    db.AddSecond(LocalInstant(2026, 12, 6, 8, 0, 0), "a", "/a");
    db.AddSecond(LocalInstant(2026, 12, 6, 8, 0, 1), "a", "/a");
    db.AddSecond(LocalInstant(2026, 12, 6, 8, 0, 2), "a", "/a");
    db.Flush(LocalInstant(2026, 12, 6, 8, 0, 3), LocalInstant(2026, 12, 6, 8, 0, 3));
    db.AddSecond(LocalInstant(2026, 12, 6, 8, 0, 4), "a", "/a");
    db.Flush(LocalInstant(2026, 12, 6, 8, 30), LocalInstant(2026, 12, 6, 8, 30));
    db.AddSecond(LocalInstant(2026, 12, 6, 9, 0, 0), "a", "/a");
    db.Flush(LocalInstant(2026, 12, 6, 9, 0, 1), LocalInstant(2026, 12, 6, 9, 0, 1));
    db.AddSecond(LocalInstant(2026, 12, 7, 9, 0, 0), "a", "/a");
    db.Flush(LocalInstant(2026, 12, 7, 9, 0, 1), LocalInstant(2026, 12, 7, 9, 0, 1));

    RawDb raw(path_);
    EXPECT_EQ(
        raw.Rows("SELECT itemid, d, h, seconds FROM ttime ORDER BY id"),
        (std::vector<std::string>{"1|2026-12-06|8|4", "1|2026-12-06|9|1", "1|2026-12-07|9|1"}));
    EXPECT_EQ(raw.Value("SELECT count(*) FROM titem"), "1");
}

TEST_F(UsageDbStore, KeepsNamesAsTypedFindsThemAgainAndReplacesAMovedPath) {
    CUsageDb db(path_, settings_);
    const int64_t t = LocalInstant(2026, 12, 6, 8);
    const std::string longName(300, 'n');
    db.AddSecond(t, "O'Hare.exe", "/opt/O'Hare/O'Hare.exe");
    db.AddSecond(t + 1, longName, "/long");
    db.AddSecond(t + 2, "Editor", "/E");
    db.AddSecond(t + 3, "editor", "/e");
    ASSERT_EQ(db.Pending().size(), 3u);  // the very first second was flushed at once
    db.Flush(t + 4, t + 4);
    // Second round: same names, O'Hare moved.
    db.AddSecond(t + 5, "O'Hare.exe", "/usr/local/bin/O'Hare.exe");
    db.AddSecond(t + 6, longName, "/long");
    db.AddSecond(t + 7, "editor", "/e");
    db.Flush(t + 8, t + 8);
    EXPECT_TRUE(messages_.empty());

    RawDb raw(path_);
    EXPECT_EQ(raw.Rows("SELECT name, path FROM titem WHERE name LIKE '%''%'"),
              (std::vector<std::string>{"O'Hare.exe|/usr/local/bin/O'Hare.exe"}));
    EXPECT_EQ(raw.Rows("SELECT length(name) FROM titem WHERE name LIKE 'nnn%'"),
              (std::vector<std::string>{"255"}));
    EXPECT_EQ(raw.Rows("SELECT titem.name, SUM(seconds) FROM titem, ttime "
                       "WHERE titem.id = itemid GROUP BY titem.id ORDER BY titem.id"),
              (std::vector<std::string>{"O'Hare.exe|2", std::string(255, 'n') + "|2", "Editor|1",
                                        "editor|2"}));
}

TEST_F(UsageDbStore, LoadsTheDayTotalsPerProgramUpToTheCapacity) {
    CUsageDb db(path_, settings_);
    const int64_t day = LocalInstant(2026, 12, 6, 10);
    db.AddSecond(day, "a", "/a");
    db.AddSecond(day + 1, "a", "/a");
    db.AddSecond(day + 2, "b", "/b");
    db.Flush(day + 3, day + 3);
    db.AddSecond(day + 3600, "a", "/a");
    db.Flush(day + 3601, day + 3601);
    db.AddSecond(day + 86400, "c", "/c");  // the next day
    db.Flush(day + 86401, day + 86401);

    std::vector<UsageTotal> rows = db.LoadDb(LocalInstant(2026, 12, 6, 23, 59, 59), 1000);
    ASSERT_EQ(rows.size(), 2u);
    std::sort(rows.begin(), rows.end(), [](auto& l, auto& r) { return l.name < r.name; });
    EXPECT_EQ(rows[0].name, "a");
    EXPECT_EQ(rows[0].path, "/a");
    EXPECT_EQ(rows[0].seconds, 3);
    EXPECT_EQ(rows[1].name, "b");
    EXPECT_EQ(rows[1].seconds, 1);

    EXPECT_EQ(db.LoadDb(LocalInstant(2026, 12, 6), 1).size(), 1u);
    EXPECT_TRUE(db.LoadDb(LocalInstant(2026, 12, 5), 1000).empty());
    EXPECT_TRUE(messages_.empty());
}
