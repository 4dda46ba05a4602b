// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "db/CUsageDb.h"

namespace {

class UsageDbGroup : public DbTest {
  protected:
    void SetUp() override {
        DbTest::SetUp();
        RawDb raw(path_);
        raw.Exec("CREATE TABLE tgroup (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT)");
        raw.Exec(
            "CREATE TABLE titem (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, "
            "compunit INTEGER, path TEXT, groupid INTEGER NOT NULL DEFAULT 0)");
        raw.Exec(
            "CREATE TABLE ttime (id INTEGER PRIMARY KEY AUTOINCREMENT, itemid INTEGER, "
            "d TEXT, h INTEGER, seconds INTEGER)");
    }

    // The file change counter in the header: one per committed write transaction.
    uint32_t ChangeCounter() {
        std::ifstream file(path_, std::ios::binary);
        unsigned char bytes[28] = {};
        file.read(reinterpret_cast<char*>(bytes), sizeof bytes);
        return (uint32_t{bytes[24]} << 24) | (uint32_t{bytes[25]} << 16) |
               (uint32_t{bytes[26]} << 8) | bytes[27];
    }
};

}  // namespace

TEST_F(UsageDbGroup, AddsGroupsWithTheirNamesAsTypedAndReturnsTheirIds) {
    CUsageDb db(path_, settings_);
    EXPECT_EQ(db.AddGroup("Work"), 1);
    EXPECT_EQ(db.AddGroup("Bob's tools"), 2);
    EXPECT_EQ(db.AddGroup("Work"), 3);  // same name, told apart by id
    EXPECT_EQ(db.AddGroup(std::string(300, 'g')), 4);

    const GroupStoreData data = db.LoadDbForGroup(1000, 1000);
    ASSERT_EQ(data.groups.size(), 4u);
    EXPECT_EQ(data.groups[1].id, 2);
    EXPECT_EQ(data.groups[1].name, "Bob's tools");
    EXPECT_EQ(data.groups[3].name, std::string(255, 'g'));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(UsageDbGroup, DeletesAllListedGroupsInOneStatementAndNothingForAnEmptyList) {
    CUsageDb db(path_, settings_);
    for (int i = 1; i <= 10; ++i) db.AddGroup("g" + std::to_string(i));
    {
        RawDb raw(path_);
        raw.Exec("INSERT INTO titem(name, compunit, path, groupid) VALUES ('a', 0, '/a', 4)");
        raw.Exec("INSERT INTO ttime(itemid, d, h, seconds) VALUES (1, '2026-12-06', 9, 5)");
    }
    const uint32_t before = ChangeCounter();
    db.DeleteGroups({4, 9});
    EXPECT_EQ(ChangeCounter(), before + 1);

    db.DeleteGroups({});
    EXPECT_EQ(ChangeCounter(), before + 1);
    RawDb raw(path_);
    EXPECT_EQ(raw.Value("SELECT group_concat(id) FROM tgroup"), "1,2,3,5,6,7,8,10");
    // Programs and their time stay where they were.
    EXPECT_EQ(raw.Value("SELECT groupid FROM titem"), "4");
    EXPECT_EQ(raw.Value("SELECT seconds FROM ttime"), "5");
    // A new group never takes a deleted group's id, so its orphans do not join it.
    EXPECT_EQ(db.AddGroup("new"), 11);

    // An empty list needs no database at all.
    CUsageDb nowhere((folder_ / "missing" / "HG.mdb").string(), settings_);
    nowhere.DeleteGroups({});
    nowhere.UpdateItems({});
    EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(UsageDbGroup, RegroupsProgramsByIdAndStopsAtTheFailingPair) {
    CUsageDb db(path_, settings_);
    db.AddSecond(LocalInstant(2026, 12, 6), "O'Hare.exe", "/o");
    db.Flush(1, 1);
    db.AddSecond(LocalInstant(2026, 12, 6), "b", "/b");
    db.AddSecond(LocalInstant(2026, 12, 6), "c", "/c");
    db.Flush(2, 2);
    {
        RawDb raw(path_);
        raw.Exec(
            "CREATE TRIGGER no_seven BEFORE UPDATE ON titem WHEN NEW.groupid = 7 "
            "BEGIN SELECT RAISE(ABORT, 'no group 7'); END");
    }
    db.UpdateItems({{3, 1}, {3, 99}});  // 1: O'Hare.exe, 99: nobody
    EXPECT_TRUE(messages_.empty());
    db.UpdateItems({{5, 2}, {7, 3}, {5, 3}});
    EXPECT_EQ(messages_,
              (std::vector<std::string>{"Fail to update item!\nError Information: no group 7"}));

    const GroupStoreData data = db.LoadDbForGroup(1000, 1000);
    ASSERT_EQ(data.programs.size(), 3u);
    EXPECT_EQ(data.programs[0].name, "O'Hare.exe");
    EXPECT_EQ(data.programs[0].groupid, 3);
    EXPECT_EQ(data.programs[1].groupid, 5);
    EXPECT_EQ(data.programs[2].groupid, 0);
    EXPECT_EQ(data.programs[2].path, "/c");
}

TEST_F(UsageDbGroup, LoadsAtMostTheCapacityOfProgramsAndGroups) {
    {
        RawDb raw(path_);
        raw.Exec(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1001) "
            "INSERT INTO titem(name, compunit, path) SELECT 'p' || i, 0, '/p' FROM n");
        raw.Exec("INSERT INTO tgroup(name) VALUES ('x'), ('y'), ('z')");
    }
    CUsageDb db(path_, settings_);
    const GroupStoreData data = db.LoadDbForGroup(1000, 2);
    EXPECT_EQ(data.programs.size(), 1000u);
    EXPECT_EQ(data.groups.size(), 2u);
    EXPECT_TRUE(messages_.empty());
}
