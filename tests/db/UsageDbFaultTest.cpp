// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "db/CUsageDb.h"

namespace {

using UsageDbFault = DbTest;

const std::string kFlushConnection = "Fail to connect to the DB when flush!\nError information:";
const std::string kFlushStatement = "Fail to save data into Database!\nError Information: ";

int64_t Noon() {
    return LocalInstant(2026, 12, 6, 12, 0, 0);
}

// Three pending seconds of two programs, with the file not yet flushed.
void AddPending(CUsageDb& db) {
    db.Flush(Noon() - 1, Noon() - 1);  // so AddSecond does not flush by itself
    db.AddSecond(Noon(), "a", "/a");
    db.AddSecond(Noon() + 1, "b", "/b");
    db.AddSecond(Noon() + 2, "a", "/a");
    ASSERT_EQ(db.Pending().size(), 2u);
}

std::vector<std::string> Totals(const std::string& path) {
    RawDb raw(path);
    return raw.Rows(
        "SELECT name, SUM(seconds), count(*) FROM titem, ttime "
        "WHERE titem.id = itemid GROUP BY name ORDER BY name");
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

TEST_F(UsageDbFault, EveryOperationGivesItsConnectionMessageAndNoResultWhenTheFileCannotBeMade) {
    // A folder where the file should be, and a file where its folder should be: neither
    // can become a database, root or not.
    std::filesystem::create_directory(path_);
    WriteFile((folder_ / "plain").string(), "x");
    for (const std::string& path : {path_, (folder_ / "plain" / "HG.mdb").string()}) {
        messages_.clear();
        CUsageDb db(path, settings_);
        db.AddSecond(Noon(), "a", "/a");
        EXPECT_TRUE(db.LoadDb(Noon(), 1000).empty());
        const GroupStoreData data = db.LoadDbForGroup(1000, 1000);
        EXPECT_TRUE(data.programs.empty() && data.groups.empty());
        EXPECT_EQ(db.AddGroup("g"), -1);
        db.DeleteGroups({1});
        EXPECT_FALSE(db.UpdateItems({{1, 1}}));
        EXPECT_TRUE(db.ReportProcess(Noon()).empty());
        EXPECT_TRUE(db.ReportGroup(Noon()).empty());
        EXPECT_EQ(db.Pending().size(), 1u);

        const std::string error = "unable to open database file";
        EXPECT_EQ(
            messages_,
            (std::vector<std::string>{
                kFlushConnection + error,
                "Fail to connect to the DB when load DB!\nError information:" + error,
                "Fail to connect to the DB when load DB for group!\nError information:" + error,
                "Fail to connect to the DB when add group!\nError information:" + error,
                "Fail to connect to the DB when delete Group!\nError information:" + error,
                "Fail to connect to the DB when update item!\nError information:" + error,
                "Fail to connect to the DB when report process!\nError information:" + error,
                "Fail to connect to the DB when report group!\nError information:" + error}))
            << path;
    }
}

TEST_F(UsageDbFault, AFileThatIsNotADatabaseGivesTheConnectionMessageAndKeepsThePending) {
    WriteFile(path_, std::string(4096, 'Z'));
    CUsageDb db(path_, settings_);
    db.AddSecond(Noon(), "a", "/a");
    db.AddSecond(Noon() + 1, "a", "/a");
    EXPECT_EQ(messages_, (std::vector<std::string>{kFlushConnection + "file is not a database"}));
    EXPECT_TRUE(db.LoadDb(Noon(), 1000).empty());
    ASSERT_EQ(db.Pending().size(), 1u);
    EXPECT_EQ(db.Pending()[0].seconds, 2);

    // Once the damaged file is gone the next flush makes a new one and writes everything.
    std::filesystem::remove(path_);
    db.Flush(Noon() + 2, Noon() + 2);
    EXPECT_TRUE(db.Pending().empty());
    EXPECT_EQ(Totals(path_), (std::vector<std::string>{"a|2|1"}));
}

TEST_F(UsageDbFault, ATruncatedFileGivesAMessageWithoutCrashingAndKeepsThePending) {
    {
        CUsageDb filler(path_, settings_);
        for (int i = 0; i < 400; ++i) {
            filler.AddSecond(Noon() + i, "program" + std::to_string(i), std::string(200, 'p'));
        }
        filler.Flush(Noon() + 500, Noon() + 500);
    }
    const std::string backup = path_ + ".backup";
    std::filesystem::copy_file(path_, backup);
    const auto size = std::filesystem::file_size(path_);
    ASSERT_GT(size, 8192u);
    std::filesystem::resize_file(path_, size / 3);
    messages_.clear();

    CUsageDb db(path_, settings_);
    AddPending(db);
    messages_.clear();
    db.Flush(Noon() + 3, Noon() + 3);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], kFlushConnection + "database disk image is malformed");
    EXPECT_EQ(db.Pending().size(), 2u);
    EXPECT_TRUE(db.ReportProcess(Noon()).empty());
    EXPECT_TRUE(db.LoadDbForGroup(1000, 1000).programs.empty());
    EXPECT_EQ(messages_.size(), 3u);

    // The user puts the backup back: the kept seconds are written once.
    std::filesystem::copy_file(backup, path_, std::filesystem::copy_options::overwrite_existing);
    db.Flush(Noon() + 4, Noon() + 4);
    EXPECT_EQ(messages_.size(), 3u);
    EXPECT_TRUE(db.Pending().empty());
    RawDb raw(path_);
    EXPECT_EQ(raw.Rows("SELECT name, seconds FROM titem, ttime WHERE titem.id = itemid "
                       "AND name IN ('a', 'b') ORDER BY name"),
              (std::vector<std::string>{"a|2", "b|1"}));
}

TEST_F(UsageDbFault, AReadOnlyFileRefusesTheFlushUntilItIsWritableAgain) {
    CUsageDb db(path_, settings_);
    AddPending(db);
    std::filesystem::permissions(
        path_, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    db.Flush(Noon() + 3, Noon() + 3);
    EXPECT_EQ(messages_,
              (std::vector<std::string>{kFlushStatement + "attempt to write a readonly database"}));
    EXPECT_EQ(db.LastFlushTime(), Noon() + 3);
    EXPECT_EQ(db.Pending().size(), 2u);
    // Reading still works.
    EXPECT_TRUE(db.LoadDb(Noon(), 1000).empty());
    EXPECT_EQ(messages_.size(), 1u);

    std::filesystem::permissions(
        path_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    db.AddSecond(Noon() + 4, "b", "/b");
    db.Flush(Noon() + 5, Noon() + 5);
    EXPECT_TRUE(db.Pending().empty());
    EXPECT_EQ(Totals(path_), (std::vector<std::string>{"a|2|1", "b|2|1"}));
}

TEST_F(UsageDbFault, AFileLockedPastTheBusyTimeoutFailsAndTheNextFlushWritesOnce) {
    CUsageDb db(path_, settings_);
    db.SetBusyTimeout(50);
    AddPending(db);
    {
        RawDb other(path_);
        other.Exec("BEGIN IMMEDIATE");
        other.Exec("INSERT INTO tgroup(name) VALUES ('other')");
        db.Flush(Noon() + 3, Noon() + 3);
        EXPECT_EQ(messages_, (std::vector<std::string>{kFlushStatement + "database is locked"}));
        EXPECT_TRUE(db.LoadDb(Noon(), 1000).empty());  // readers still get in
        EXPECT_EQ(messages_.size(), 1u);
        other.Exec("COMMIT");
    }
    EXPECT_EQ(db.Pending().size(), 2u);
    db.Flush(Noon() + 5, Noon() + 5);
    EXPECT_EQ(Totals(path_), (std::vector<std::string>{"a|2|1", "b|1|1"}));
    db.Flush(Noon() + 6, Noon() + 6);
    EXPECT_EQ(Totals(path_), (std::vector<std::string>{"a|2|1", "b|1|1"}));
}

TEST_F(UsageDbFault, AnOlderFileHeldExclusivelyGivesTheConnectionMessage) {
    {
        // A file made elsewhere keeps its rollback journal, where a writer shuts readers out.
        RawDb raw(path_);
        raw.Exec("CREATE TABLE tgroup (id INTEGER PRIMARY KEY, name TEXT)");
        raw.Exec(
            "CREATE TABLE titem (id INTEGER PRIMARY KEY, name TEXT, compunit INTEGER, "
            "path TEXT, groupid INTEGER NOT NULL DEFAULT 0)");
        raw.Exec(
            "CREATE TABLE ttime (id INTEGER PRIMARY KEY, itemid INTEGER, d TEXT, "
            "h INTEGER, seconds INTEGER)");
    }
    CUsageDb db(path_, settings_);
    db.SetBusyTimeout(50);
    AddPending(db);
    {
        RawDb other(path_);
        other.Exec("BEGIN EXCLUSIVE");
        other.Exec("INSERT INTO tgroup(name) VALUES ('other')");
        db.Flush(Noon() + 3, Noon() + 3);
        EXPECT_TRUE(db.LoadDb(Noon(), 1000).empty());
        EXPECT_EQ(messages_,
                  (std::vector<std::string>{
                      kFlushConnection + "database is locked",
                      "Fail to connect to the DB when load DB!\nError information:database is "
                      "locked"}));
        other.Exec("COMMIT");
    }
    db.Flush(Noon() + 4, Noon() + 4);
    EXPECT_EQ(Totals(path_), (std::vector<std::string>{"a|2|1", "b|1|1"}));
}

TEST_F(UsageDbFault, AFlushWritesEveryRowItCanAndTellsAFailingRowOnce) {
    struct Case {
        const char* name;
        std::string setup;                // after "a" is stored with id 1
        std::vector<std::string> stored;  // name|id|seconds
        std::string error = {};           // b's, or none
        std::string mend = {};
    };
    const std::string known =
        "INSERT INTO titem(id, name, compunit, path) VALUES (1, 'a', 0, '/a');";
    const std::string sequence = "UPDATE sqlite_sequence SET seq = ";
    const Case cases[] = {
        {"null seconds",
         "INSERT INTO ttime(itemid, d, h, seconds) VALUES (1, '2026-12-06', 12, NULL)",
         {"a|1|2", "b|2|1"}},
        {"id beyond 32 bits", sequence + "2147483647", {"a|1|2", "b|2147483648|1"}},
        {"row refused",
         "CREATE TRIGGER refuse_b BEFORE INSERT ON titem WHEN NEW.name = 'b' "
         "BEGIN SELECT RAISE(ABORT, 'no b here'); END",
         {"a|1|2"},
         "no b here",
         "DROP TRIGGER refuse_b"},
        // Ends the whole transaction, not only the row's statement.
        {"no id left",
         sequence + "9223372036854775807",
         {"a|1|2"},
         "database or disk is full",
         sequence + "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        path_ = (folder_ / (std::string(c.name) + ".mdb")).string();
        messages_.clear();
        CUsageDb db(path_, settings_);
        AddPending(db);
        RawDb(path_).Exec(known + c.setup);
        const auto stored = [this] {
            return RawDb(path_).Rows(
                "SELECT name, titem.id, seconds FROM titem JOIN ttime ON titem.id = itemid "
                "ORDER BY name");
        };
        db.Flush(Noon() + 3, Noon() + 3);
        EXPECT_EQ(stored(), c.stored);
        if (c.error.empty()) {
            EXPECT_TRUE(messages_.empty());
            EXPECT_TRUE(db.Pending().empty());
            continue;
        }
        // b stays pending and is told once, however many flushes it fails.
        db.AddSecond(Noon() + 4, "b", "/b");
        db.Flush(Noon() + 5, Noon() + 5);
        EXPECT_EQ(messages_, (std::vector<std::string>{kFlushStatement + "b: " + c.error}));
        ASSERT_EQ(db.Pending().size(), 1u);
        EXPECT_EQ(db.Pending()[0].seconds, 2);
        RawDb(path_).Exec(c.mend);
        db.Flush(Noon() + 6, Noon() + 6);
        EXPECT_TRUE(db.Pending().empty());
        EXPECT_EQ(Totals(path_), (std::vector<std::string>{"a|2|1", "b|2|1"}));
    }
}

TEST_F(UsageDbFault, AFailingFlushUnderAnOpenMessageShowsNoSecondBoxAndKeepsCounting) {
    CUsageDb db(path_, settings_);
    AddPending(db);
    SetAutoSave(1);
    std::filesystem::remove(path_);
    std::filesystem::create_directory(path_);  // every flush now fails

    // While the box is open the tick goes on: each nested second flushes and fails again.
    int nested = 0;
    onMessage_ = [&] {
        for (int i = 0; i < 5; ++i) {
            db.AddSecond(Noon() + 10 + nested, "a", "/a");
            ++nested;
        }
    };
    db.Flush(Noon() + 3, Noon() + 3);
    onMessage_ = nullptr;
    EXPECT_EQ(nested, 5);
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(db.LastFlushTime(), Noon() + 14);
    ASSERT_EQ(db.Pending().size(), 2u);
    EXPECT_EQ(db.Pending()[0].seconds, 7);

    // Once the box is closed a new failure shows again, and the file's return ends it.
    db.Flush(Noon() + 20, Noon() + 20);
    EXPECT_EQ(messages_.size(), 2u);
    std::filesystem::remove(path_);
    db.Flush(Noon() + 21, Noon() + 21);
    EXPECT_TRUE(db.Pending().empty());
    EXPECT_EQ(Totals(path_), (std::vector<std::string>{"a|7|1", "b|1|1"}));
}

TEST_F(UsageDbFault, AnIntegerReadAsNullEndsTheOperationWithItsStatementMessage) {
    {
        // An older file without the NOT NULL on groupid.
        RawDb raw(path_);
        raw.Exec("CREATE TABLE tgroup (id INTEGER PRIMARY KEY, name TEXT)");
        raw.Exec(
            "CREATE TABLE titem (id INTEGER PRIMARY KEY, name TEXT, compunit INTEGER, "
            "path TEXT, groupid INTEGER)");
        raw.Exec(
            "CREATE TABLE ttime (id INTEGER PRIMARY KEY, itemid INTEGER, d TEXT, "
            "h INTEGER, seconds INTEGER)");
        raw.Exec("INSERT INTO tgroup(name) VALUES ('work')");
        raw.Exec("INSERT INTO titem(name, compunit, path, groupid) VALUES ('ok', 0, '/ok', 1)");
        raw.Exec(
            "INSERT INTO titem(name, compunit, path, groupid) VALUES ('bad', 0, '/bad', "
            "NULL)");
        raw.Exec("INSERT INTO titem(name, compunit, path, groupid) VALUES ('late', 0, '/l', 0)");
        raw.Exec("INSERT INTO ttime(itemid, d, h, seconds) VALUES (1, '2026-12-06', 9, 50)");
        raw.Exec("INSERT INTO ttime(itemid, d, h, seconds) VALUES (2, '2026-12-06', 9, 40)");
    }
    CUsageDb db(path_, settings_);
    const GroupStoreData data = db.LoadDbForGroup(1000, 1000);
    ASSERT_EQ(data.programs.size(), 1u);  // rows before the null stay, groups are not read
    EXPECT_EQ(data.programs[0].name, "ok");
    EXPECT_TRUE(data.groups.empty());

    const ReportTable rows = db.ReportGroup(Noon());
    ASSERT_EQ(rows.size(), 1u);  // group 1 came first, then the null ended it
    EXPECT_EQ(rows[0].name, "work");
    EXPECT_EQ(rows[0].today, 50);
    EXPECT_EQ(messages_, (std::vector<std::string>{
                             "Fail to load data from Database!\nError Information: Type mismatch.",
                             "Fail to report group!\nError Information: Type mismatch."}));
}
