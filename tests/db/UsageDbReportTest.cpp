// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "db/CUsageDb.h"

namespace {

class UsageDbReport : public DbTest {
  protected:
    void SetUp() override {
        DbTest::SetUp();
        CUsageDb(path_, settings_).LoadDb(0, 1);  // makes the file and its tables
    }

    void AddItem(int id, const std::string& name, int groupid) {
        RawDb(path_).Exec("INSERT INTO titem(id, name, compunit, path, groupid) VALUES (" +
                          std::to_string(id) + ", '" + name + "', 0, '/bin/" + name + "', " +
                          std::to_string(groupid) + ")");
    }
    void AddTime(int itemid, const std::string& day, int hour, int64_t seconds) {
        AddTime(itemid, day, hour, std::to_string(seconds));
    }
    void AddTime(int itemid, const std::string& day, int hour, const std::string& seconds) {
        RawDb(path_).Exec("INSERT INTO ttime(itemid, d, h, seconds) VALUES (" +
                          std::to_string(itemid) + ", '" + day + "', " + std::to_string(hour) +
                          ", " + seconds + ")");
    }

    // A year of use around the chosen day, 6 December 2026.
    void AddYear() {
        RawDb(path_).Exec("INSERT INTO tgroup(id, name) VALUES (1, 'Work'), (2, 'Play')");
        AddItem(1, "a", 0);
        AddTime(1, "2026-12-06", 9, 40);
        AddTime(1, "2026-12-06", 15, 30);
        AddItem(2, "b", 1);
        AddTime(2, "2026-12-06", 10, 100);
        AddItem(3, "y", 2);
        AddTime(3, "2026-12-05", 22, 14);
        AddItem(4, "w", 0);
        AddTime(4, "2026-12-01", 8, 6);
        AddItem(5, "old", 9);  // group 9 was deleted
        AddTime(5, "2026-11-16", 8, 700);
        AddItem(6, "edge", 9);
        AddTime(6, "2025-12-07", 8, 365);  // the first day of the year
        AddItem(7, "gone", 1);
        AddTime(7, "2025-12-06", 8, 9999);  // one day too early
        AddTime(7, "2026-12-07", 8, 9999);  // after the chosen day
    }

    static ReportRow Row(int key, const std::string& name, const std::string& path, int today,
                         int yesterday, int week, int month, int year) {
        return ReportRow{key, name, path, today, yesterday, week, month, year};
    }

    const int64_t day_ = LocalInstant(2026, 12, 6, 18, 30, 0);
};

}  // namespace

TEST_F(UsageDbReport, ProgramsComeTodayFirstThenInTheOrderEachPeriodFirstMetThem) {
    AddYear();
    CUsageDb db(path_, settings_);
    EXPECT_EQ(db.ReportProcess(day_),
              (ReportTable{
                  Row(2, "b", "/bin/b", 100, 0, 14, 3, 0), Row(1, "a", "/bin/a", 70, 0, 10, 2, 0),
                  Row(3, "y", "/bin/y", 0, 14, 2, 0, 0), Row(4, "w", "/bin/w", 0, 0, 0, 0, 0),
                  Row(5, "old", "/bin/old", 0, 0, 0, 23, 1),
                  Row(6, "edge", "/bin/edge", 0, 0, 0, 0, 1)}));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(UsageDbReport, GroupsAreNamedFromTheirTableWithDefaultAndEmptyForDeletedOnes) {
    AddYear();
    CUsageDb db(path_, settings_);
    EXPECT_EQ(
        db.ReportGroup(day_),
        (ReportTable{Row(1, "Work", "", 100, 0, 14, 3, 0), Row(0, "Default", "", 70, 0, 10, 2, 0),
                     Row(2, "Play", "", 0, 14, 2, 0, 0), Row(9, "", "", 0, 0, 0, 23, 2)}));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(UsageDbReport, AYearWithoutUseGivesNoRows) {
    AddItem(1, "a", 0);
    AddTime(1, "2025-12-06", 8, 100);
    CUsageDb db(path_, settings_);
    EXPECT_TRUE(db.ReportProcess(day_).empty());
    EXPECT_TRUE(db.ReportGroup(day_).empty());
    EXPECT_TRUE(messages_.empty());
}

TEST_F(UsageDbReport, HoldsAtMostAThousandRows) {
    RawDb(path_).Exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1002) "
        "INSERT INTO titem(id, name, compunit, path, groupid) SELECT i, 'p' || i, 0, '', i FROM n");
    RawDb(path_).Exec(
        "INSERT INTO ttime(itemid, d, h, seconds) "
        "SELECT id, '2026-12-06', 8, 5000 - id FROM titem WHERE id <= 1001");
    RawDb(path_).Exec("INSERT INTO ttime(itemid, d, h, seconds) VALUES (1002, '2026-12-05', 8, 1)");
    CUsageDb db(path_, settings_);
    const ReportTable programs = db.ReportProcess(day_);
    ASSERT_EQ(programs.size(), 1000u);
    EXPECT_EQ(programs.front().name, "p1");
    EXPECT_EQ(programs.back().name, "p1000");
    EXPECT_EQ(db.ReportGroup(day_).size(), 1000u);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(UsageDbReport, SumsBeyond32BitsShowTheLargestValueAndNullCountsAsNothing) {
    AddItem(1, "huge", 0);
    AddTime(1, "2026-12-06", 9, int64_t{3000000000});
    AddItem(2, "twice", 0);
    AddTime(2, "2026-12-05", 9, int64_t{2000000000});
    AddTime(2, "2026-12-04", 9, int64_t{2000000000});
    AddItem(3, "null", 0);
    AddTime(3, "2026-12-06", 9, "NULL");
    AddTime(3, "2026-12-05", 9, 5);
    CUsageDb db(path_, settings_);
    const int max = INT32_MAX;
    EXPECT_EQ(db.ReportProcess(day_),
              (ReportTable{
                  Row(1, "huge", "/bin/huge", max, 0, 428571428, 100000000, 8219178),
                  Row(3, "null", "/bin/null", 0, 5, 0, 0, 0),
                  Row(2, "twice", "/bin/twice", 0, 2000000000, 571428571, 133333333, 10958904)}));
    EXPECT_EQ(
        db.ReportGroup(day_),
        (ReportTable{Row(0, "Default", "", max, 2000000005, 1000000000, 233333333, 19178082)}));
    EXPECT_TRUE(messages_.empty());
}
