// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "core/CivilDay.h"
#include "db/CUsageDb.h"
#include "history/CHistoryModel.h"

namespace {

// The offset from UTC at a local instant, in seconds.
long OffsetAt(int year, int month, int day) {
    std::tm local{};
    const std::time_t t = LocalInstant(year, month, day);
    localtime_r(&t, &local);
    return local.tm_gmtoff;
}

using Expected = std::map<int64_t, std::pair<std::string, std::vector<int64_t>>>;

class HistorySums : public DbTest {
  protected:
    void SetUp() override {
        DbTest::SetUp();
        // The binary runs in Berlin: a zone that falls back to UTC would hide every
        // daylight-saving mistake.
        ASSERT_EQ(OffsetAt(2026, 1, 15), 3600) << "TZ=Europe/Berlin is not in effect";
        ASSERT_EQ(OffsetAt(2026, 7, 15), 7200) << "TZ=Europe/Berlin is not in effect";
        withDays_ = path_;
        hoursOnly_ = (folder_ / "hours-only.mdb").string();
        Fill(withDays_);
        Fill(hoursOnly_);
        // As a file of an earlier build: the hour rows alone.
        RawDb(hoursOnly_)
            .Exec(
                "DROP TRIGGER tday_insert; DROP TRIGGER tday_delete; DROP TRIGGER tday_update; "
                "DROP TABLE tday");
    }

    // Seconds written by the program's own flush at a local time, so the day and hour of
    // the row are the program's reading of the clock in this zone.
    static void Write(CUsageDb& db, const std::string& name, int seconds, int year, int month,
                      int day, int hour, int minute = 30) {
        const int64_t when = LocalInstant(year, month, day, hour, minute);
        for (int i = 0; i < seconds; ++i) {
            db.AddSecond(when, name, "/usr/bin/" + name);
        }
        db.Flush(when, when);
    }

    void Fill(const std::string& path) {
        SetAutoSave(1000000);
        CUsageDb db(path, settings_);
        // Across a month's and a year's end, 31 December left empty; "once" only on the
        // range's first day; days just outside the range that must not count.
        Write(db, "once", 5, 2025, 12, 28, 8);
        Write(db, "editor", 7, 2025, 12, 27, 9);
        for (const int day : {28, 29, 30}) {
            Write(db, "editor", 10 + day, 2025, 12, day, 9);
            Write(db, "browser", 3 * day, 2025, 12, day, 21);
        }
        for (const int day : {1, 2, 3, 4}) {
            Write(db, "editor", 20 + day, 2026, 1, day, 0);
            Write(db, "game", 2 * day, 2026, 1, day, 23);
        }
        // Spring forward on Sunday 29 March 2026 (02:30 does not exist and is 03:30) and
        // back on Sunday 25 October 2026 (02:30 comes twice).
        for (int day = 26; day <= 31; ++day) {
            Write(db, "editor", day, 2026, 3, day, 1);
            Write(db, "browser", day + 1, 2026, 3, day, 2);
            Write(db, "game", 2, 2026, 3, day, 3);
        }
        const int64_t twice = LocalInstant(2026, 10, 25, 1, 30) + 3600;
        for (const int64_t when : {twice, twice + 3600}) {
            for (int i = 0; i < 9; ++i) db.AddSecond(when, "game", "/usr/bin/game");
            db.Flush(when, when);
        }
        Write(db, "mail", 4, 2026, 10, 24, 23);
        Write(db, "mail", 6, 2026, 10, 26, 0);
        RawDb raw(path);
        raw.Exec("INSERT INTO tgroup(name) VALUES ('Work'), ('Play')");
        raw.Exec("UPDATE titem SET groupid = 1 WHERE name IN ('editor', 'browser')");
        raw.Exec("UPDATE titem SET groupid = 2 WHERE name = 'game'");
        raw.Exec("UPDATE titem SET groupid = 7 WHERE name = 'once'");  // a group since deleted
        // Seconds of no program: never counted.
        raw.Exec("INSERT INTO ttime(itemid, d, h, seconds) VALUES (99, '2025-12-29', 9, 500)");
    }

    // The same sums by hand, in SQL of the test's own: the range's days from SQLite's date
    // arithmetic, the sums from GROUP BY over the hour rows.
    Expected ByHand(const std::string& path, const std::string& from, const std::string& to,
                    HistoryBy by, ReportMode mode) {
        RawDb db(path);
        const std::vector<std::string> days =
            db.Rows("WITH RECURSIVE days(d) AS (SELECT '" + from +
                    "' UNION ALL SELECT date(d, '+1 day') FROM days WHERE d < '" + to +
                    "') SELECT d FROM days");
        const bool groups = mode == ReportMode::Group;
        const std::string key = groups ? "titem.groupid" : "titem.id";
        const std::string name =
            groups ? "COALESCE((SELECT name FROM tgroup WHERE tgroup.id = titem.groupid), "
                     "CASE titem.groupid WHEN 0 THEN 'Default' ELSE '' END)"
                   : "titem.name";
        const std::string column = by == HistoryBy::Day ? "ttime.d" : "ttime.h";
        const std::vector<std::string> rows =
            db.Rows("SELECT " + key + ", " + name + ", " + column +
                    ", SUM(ttime.seconds) FROM ttime JOIN titem ON titem.id = ttime.itemid "
                    "WHERE ttime.d >= '" +
                    from + "' AND ttime.d <= '" + to + "' GROUP BY " + key + ", " + column);
        Expected expected;
        const size_t columns = by == HistoryBy::Day ? days.size() : 24;
        for (const std::string& row : rows) {
            const size_t a = row.find('|');
            const size_t b = row.find('|', a + 1);
            const size_t c = row.find('|', b + 1);
            auto& [rowName, values] = expected[std::stoll(row.substr(0, a))];
            rowName = row.substr(a + 1, b - a - 1);
            values.resize(columns);
            const std::string at = row.substr(b + 1, c - b - 1);
            size_t index = 0;
            if (by == HistoryBy::Day) {
                while (index < days.size() && days[index] != at) ++index;
            } else {
                index = std::stoul(at);
            }
            values.at(index) += std::stoll(row.substr(c + 1));
        }
        return expected;
    }

    std::string withDays_;
    std::string hoursOnly_;
};

TEST_F(HistorySums, EqualTheSumsOfTheHourRowsWrittenByHand) {
    struct Case {
        const char* what;
        const char* from;
        const char* to;
        HistoryBy by;
        ReportMode mode;
        size_t rows;  // rows the history must hold
    };
    const Case cases[] = {
        {"year end by day", "2025-12-28", "2026-01-03", HistoryBy::Day, ReportMode::Process, 4},
        {"year end by hour", "2025-12-28", "2026-01-03", HistoryBy::Hour, ReportMode::Process, 4},
        {"year end groups", "2025-12-28", "2026-01-03", HistoryBy::Day, ReportMode::Group, 3},
        {"first day only", "2025-12-28", "2025-12-28", HistoryBy::Day, ReportMode::Process, 3},
        {"the empty day", "2025-12-31", "2025-12-31", HistoryBy::Hour, ReportMode::Group, 0},
        {"spring forward", "2026-03-26", "2026-04-01", HistoryBy::Day, ReportMode::Process, 3},
        {"spring hours", "2026-03-26", "2026-04-01", HistoryBy::Hour, ReportMode::Group, 2},
        {"fall back hours", "2026-10-22", "2026-10-28", HistoryBy::Hour, ReportMode::Process, 2},
        {"fall back days", "2026-10-22", "2026-10-28", HistoryBy::Day, ReportMode::Group, 2},
    };
    for (const Case& c : cases) {
        for (const std::string& path : {withDays_, hoursOnly_}) {
            SCOPED_TRACE(std::string(c.what) + (path == withDays_ ? ", roll-up" : ", hours"));
            HistoryQuery query;
            query.firstDay = *ParseDayText(c.from);
            query.lastDay = *ParseDayText(c.to);
            query.by = c.by;
            query.mode = c.mode;
            const CHistoryModel history = CHistoryModel::Compute(path, query);
            const Expected expected = ByHand(path, c.from, c.to, c.by, c.mode);
            EXPECT_TRUE(history.Complete());
            EXPECT_EQ(history.Columns().size(),
                      c.by == HistoryBy::Hour ? 24u : static_cast<size_t>(query.Days()));
            ASSERT_EQ(history.Rows().size(), c.rows);
            ASSERT_EQ(expected.size(), c.rows);
            int64_t total = 0;
            for (size_t i = 0; i < history.Rows().size(); ++i) {
                const HistoryRow& row = history.Rows()[i];
                ASSERT_EQ(expected.count(row.key), 1u) << row.name;
                EXPECT_EQ(row.name, expected.at(row.key).first);
                EXPECT_EQ(row.values, expected.at(row.key).second) << row.name;
                total += history.RowTotals()[i];
                // By total, the largest first, then by name.
                if (i > 0) {
                    const int64_t before = history.RowTotals()[i - 1];
                    EXPECT_TRUE(before > history.RowTotals()[i] ||
                                (before == history.RowTotals()[i] &&
                                 history.Rows()[i - 1].name <= row.name));
                }
            }
            EXPECT_EQ(history.Total(), total);
        }
    }
    // The hours the clock skipped and repeated are where the flush put them.
    RawDb db(withDays_);
    EXPECT_EQ(db.Value("SELECT group_concat(h) FROM ttime JOIN titem ON titem.id = itemid "
                       "WHERE name = 'browser' AND d = '2026-03-29'"),
              "3");
    EXPECT_EQ(db.Value("SELECT seconds FROM ttime JOIN titem ON titem.id = itemid "
                       "WHERE name = 'game' AND d = '2026-10-25' AND h = 2"),
              "18");
    EXPECT_TRUE(messages_.empty());
}

}  // namespace
