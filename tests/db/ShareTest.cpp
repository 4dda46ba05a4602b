// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "DbTestSupport.h"
#include "db/CForeignFile.h"
#include "db/CMergedReport.h"
#include "db/CSnapshotWriter.h"
#include "db/CUsageDb.h"
#include "db/DbText.h"

namespace {

using Values = std::array<int64_t, 5>;
using Table = std::map<std::string, Values>;

// Sums report rows by name, as a person adds up the reports of several files.
void AddUp(Table& table, const ReportTable& rows) {
    for (const ReportRow& row : rows) {
        Values& v = table[row.name];
        v[0] += row.today;
        v[1] += row.yesterday;
        v[2] += row.week;
        v[3] += row.month;
        v[4] += row.year;
    }
}

Table AsTable(const ReportTable& rows) {
    Table table;
    AddUp(table, rows);
    return table;
}

class Share : public DbTest {
  protected:
    void SetUp() override {
        DbTest::SetUp();
        share_ = folder_ / "share";
        std::filesystem::create_directories(share_);
        // Seconds are multiples of 7 x 30 x 73, so every average divides evenly and the
        // per-file averages add up to the merged ones.
        Make("this", {{"editor", "/a/editor", "Work", 0, 2}, {"mail", "/a/mail", "", 1, 1}});
        Make("b", {{"editor", "/b/editor", "Work", 0, 1},
                   {"shell", "/b/shell", "Work", 1, 3},
                   {"mail", "/b/mail", "", 6, 1}});
        Make("c", {{"editor", "/c/editor", "", 0, 4},
                   {"game", "/c/game", "Play", 200, 2},  // a day only this computer has
                   {"shell", "/c/shell", "", 29, 1}});
    }

    struct Use {
        std::string name, path, group;
        int daysBefore, units;
    };
    std::string Source(const std::string& computer) {
        return (folder_ / (computer + ".mdb")).string();
    }
    // A real database of the program's own making, filled through a second connection.
    void Make(const std::string& computer, const std::vector<Use>& uses) {
        const std::string path = Source(computer);
        CUsageDb(path, settings_).LoadDb(0, 1);
        RawDb db(path);
        for (const Use& use : uses) {
            if (!use.group.empty()) {
                db.Exec("INSERT INTO tgroup(name) SELECT '" + use.group +
                        "' WHERE NOT EXISTS (SELECT 1 FROM tgroup WHERE name = '" + use.group +
                        "')");
            }
            db.Exec("INSERT INTO titem(name, compunit, path, groupid) VALUES ('" + use.name +
                    "', 0, '" + use.path + "', COALESCE((SELECT id FROM tgroup WHERE name = '" +
                    use.group + "'), 0))");
            // Two hour rows, which the snapshot folds into one day row.
            for (int hour : {9, 14}) {
                db.Exec("INSERT INTO ttime(itemid, d, h, seconds) SELECT id, '" +
                        FormatDbDate(day_ - int64_t{use.daysBefore} * 86400) + "', " +
                        std::to_string(hour) + ", " + std::to_string(use.units * 7665) +
                        " FROM titem WHERE name = '" + use.name + "'");
            }
        }
    }
    // name: the computer's name in the snapshot, its source's name unless given.
    std::string Snapshot(const std::string& computer, const std::string& id,
                         std::string name = {}) {
        const auto result = CSnapshotWriter::Write(Source(computer), share_.string(),
                                                   computer + "-" + id + ".hgshare", id,
                                                   name.empty() ? computer : name);
        EXPECT_EQ(result.status, CSnapshotWriter::Status::Written) << result.error;
        return result.file;
    }
    CMergedReport::Result Merged(bool groups) {
        return CMergedReport::Compute(Source("this"), "this", "own-id",
                                      CMergedReport::SnapshotsIn(share_.string()), day_, groups);
    }
    Table ByHand(const std::vector<std::string>& computers, bool groups) {
        Table table;
        for (const std::string& computer : computers) {
            CUsageDb db(Source(computer), settings_);
            AddUp(table, groups ? db.ReportGroup(day_) : db.ReportProcess(day_));
        }
        return table;
    }

    const int64_t day_ = LocalInstant(2026, 12, 6, 18);
    std::filesystem::path share_;
};

}  // namespace

TEST_F(Share, MergedReportIsTheSumOfEachComputersReport) {
    Snapshot("b", "bbbbbbbb");
    Snapshot("c", "cccccccc", "this");  // another computer with this one's name counts
    Snapshot("this", "own-id");         // this computer's own snapshot is never counted twice
    for (const bool groups : {false, true}) {
        const CMergedReport::Result merged = Merged(groups);
        EXPECT_TRUE(merged.leftOut.empty());
        EXPECT_EQ(merged.computers, (std::vector<std::string>{"this", "b", "this"}));
        EXPECT_EQ(AsTable(merged.rows), ByHand({"this", "b", "c"}, groups)) << groups;
        if (!groups) {
            // This computer's path, else the first file's; today's most used first.
            ASSERT_EQ(merged.rows.size(), 4u);
            EXPECT_EQ(merged.rows[0].name, "editor");
            EXPECT_EQ(merged.rows[0].path, "/a/editor");
            EXPECT_EQ(merged.rows[0].today, 7 * 2 * 7665);
            EXPECT_EQ(merged.rows[3].name, "game");
            EXPECT_EQ(merged.rows[3].path, "/c/game");
        } else {
            // "Work" from two computers is one row; "Default" too.
            EXPECT_EQ(AsTable(merged.rows).count("Work"), 1u);
            EXPECT_EQ(merged.rows.size(), 3u);
        }
    }
    EXPECT_TRUE(messages_.empty());
}

TEST_F(Share, AFileCutShortIsLeftOutAndNamed) {
    Snapshot("b", "bbbbbbbb");
    const std::string cut = Snapshot("c", "cccccccc");
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);
    const CMergedReport::Result merged = Merged(false);
    EXPECT_EQ(AsTable(merged.rows), ByHand({"this", "b"}, false));
    ASSERT_EQ(merged.leftOut.size(), 1u);
    EXPECT_EQ(merged.leftOut[0].file, cut);
    EXPECT_NE(CMergedReport::LeftOutText(merged.leftOut).find("c-cccccccc.hgshare"),
              std::string::npos);
}

TEST_F(Share, ASnapshotReplacedWhileReadIsReadWholeAsItWas) {
    const std::string file = Snapshot("b", "bbbbbbbb");
    // The newer snapshot of b, made elsewhere and renamed over the one being read.
    const auto newer =
        CSnapshotWriter::Write(Source("c"), folder_.string(), "next.hgshare", "bbbbbbbb", "b");
    ASSERT_EQ(newer.status, CSnapshotWriter::Status::Written);
    CMergedReport::SetOpenedHook([&](const std::string& opened) {
        if (opened == file) std::filesystem::rename(newer.file, file);
    });
    const CMergedReport::Result during = Merged(false);
    CMergedReport::SetOpenedHook({});
    EXPECT_TRUE(during.leftOut.empty());
    EXPECT_EQ(AsTable(during.rows), ByHand({"this", "b"}, false));
    EXPECT_EQ(AsTable(Merged(false).rows), ByHand({"this", "c"}, false));
}

TEST_F(Share, SnapshotIsConsistentWhileTheTrackerFlushes) {
    // Every flush brings a new program: its titem row and its seconds come in one
    // transaction, so a snapshot that caught half a flush would hold seconds of nobody.
    std::atomic<bool> done{false};
    std::thread flusher([&] {
        CUsageDb db(Source("this"), settings_);
        db.Flush(day_ + 1, day_);
        for (int i = 0; i < 300; ++i) {
            db.AddSecond(day_, "n" + std::to_string(i), "/n");
            db.Flush(day_ + 1, day_);
        }
        done = true;
    });
    const std::string file = (share_ / "this.hgshare").string();
    int snapshots = 0;
    while (!done || snapshots == 0) {
        const auto result =
            CSnapshotWriter::Write(Source("this"), share_.string(), "this.hgshare", "id", "this");
        ASSERT_EQ(result.status, CSnapshotWriter::Status::Written) << result.error;
        ++snapshots;
        EXPECT_EQ(RawDb(file).Value("SELECT COUNT(*) FROM ttime WHERE itemid NOT IN "
                                    "(SELECT id FROM titem)"),
                  "0");
    }
    flusher.join();
    RawDb(Source("this")).Exec("PRAGMA wal_checkpoint(TRUNCATE)");
    CSnapshotWriter::Write(Source("this"), share_.string(), "this.hgshare", "id", "this");
    const char* const days =
        "SELECT name, path, groupid, d, SUM(seconds) FROM ttime, titem WHERE itemid = titem.id "
        "GROUP BY itemid, d ORDER BY name, d";
    RawDb snapshot(file);
    EXPECT_EQ(snapshot.Rows(days), RawDb(Source("this")).Rows(days));
    EXPECT_EQ(snapshot.Value("SELECT COUNT(*) FROM ttime"),
              RawDb(Source("this")).Value("SELECT COUNT(DISTINCT itemid || d) FROM ttime"));
    EXPECT_EQ(snapshot.Value("PRAGMA journal_mode"), "delete");
    EXPECT_EQ(snapshot.Value("SELECT computer_id || '|' || computer_name FROM meta"), "id|this");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(CMergedReport::SnapshotsIn(share_.string()).size(), 1u);  // no temporary left
    EXPECT_TRUE(messages_.empty());
}

TEST_F(Share, WriterRefusesWhatItCannotDo) {
    RawDb(Source("b")).Exec("PRAGMA journal_mode=DELETE");
    struct Case {
        std::string source, folder;
        CSnapshotWriter::Status status;
    };
    for (const Case& c : {Case{Source("this"), (folder_ / "missing").string(),
                               CSnapshotWriter::Status::FolderFailed},
                          Case{Source("b"), share_.string(), CSnapshotWriter::Status::NotWal}}) {
        EXPECT_EQ(CSnapshotWriter::Write(c.source, c.folder, "x.hgshare", "id", "x").status,
                  c.status);
    }
    EXPECT_TRUE(std::filesystem::is_empty(share_));
}

TEST_F(Share, HostileFilesAreLeftOutOrLoseTheirBadDaysAndTheGenuineRowsStay) {
    // h: a good day before the chosen one and the day the cases spoil; g: the good day alone.
    Make("h", {{"good", "/h/good", "", 1, 1}, {"bad", "/h/bad", "", 0, 1}});
    Make("g", {{"good", "/h/good", "", 1, 1}});
    const std::string bad = "UPDATE ttime SET seconds = %s WHERE itemid = 2";
    const auto spoil = [&bad](const std::string& value) {
        return bad.substr(0, bad.find("%s")) + value + bad.substr(bad.find("%s") + 2);
    };
    struct Case {
        std::string what;
        std::string sql;                                 // run on the file, when given
        std::function<void(const std::string&)> change;  // done to the file, when given
        std::string reason;
        bool restCounts;  // the other days of the file still count
    };
    const std::string today = "'" + FormatDbDate(day_) + "'";
    const std::string schema = "another schema";
    const std::string days = "1 day with implausible values";
    const std::vector<Case> cases = {
        {"endless view",
         "DROP TABLE ttime; CREATE VIEW ttime AS WITH RECURSIVE r(i) AS (SELECT 1 UNION ALL "
         "SELECT i + 1 FROM r) SELECT i AS id, 1 AS itemid, " +
             today + " AS d, 0 AS h, 1 AS seconds FROM r",
         {},
         schema,
         false},
        {"300 MB name",
         "DROP TABLE titem; CREATE VIEW titem AS SELECT 1 AS id, printf('%.*c', 300000000, 'x') "
         "AS name, 0 AS compunit, '' AS path, 0 AS groupid",
         {},
         schema,
         false},
        {"random view",
         "DROP TABLE ttime; CREATE VIEW ttime AS SELECT 1 AS id, 1 AS itemid, " + today +
             " AS d, 0 AS h, length(randomblob(1000)) AS seconds",
         {},
         schema,
         false},
        {"rtree ttime",
         "DROP TABLE ttime; CREATE VIRTUAL TABLE ttime USING rtree(id, itemid, d, h, seconds)",
         {},
         schema,
         false},
        {"trigger",
         "CREATE TRIGGER noisy AFTER INSERT ON meta BEGIN DELETE FROM titem; END",
         {},
         schema,
         false},
        {"generated column",
         "ALTER TABLE titem ADD COLUMN shown TEXT GENERATED ALWAYS AS (upper(name)) VIRTUAL",
         {},
         schema,
         false},
        {"real seconds", spoil("1e300"), {}, days, true},
        {"negative seconds", spoil("-3000"), {}, days, true},
        {"27 hours", spoil("100000"), {}, days, true},
        {"malformed day", "UPDATE ttime SET d = '2026-02-30' WHERE itemid = 2", {}, days, true},
        {"2^62 twice",
         spoil("4611686018427387904") +
             "; INSERT INTO ttime(itemid, d, h, seconds) SELECT itemid, d, 1, seconds FROM ttime "
             "WHERE itemid = 2",
         {},
         days,
         true},
        {"over the cap",
         {},
         [](const std::string& file) {
             // Sparse: nothing of it is read.
             ASSERT_EQ(::truncate(file.c_str(), CForeignFile::kSnapshotCap + 4096), 0);
         },
         "too large",
         false},
        {"pipe",
         {},
         [](const std::string& file) {
             std::filesystem::remove(file);
             ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
         },
         "is not a regular file",
         false},
        {"future",
         "UPDATE meta SET written_at = written_at + 3 * 86400",
         {},
         "written in the future",
         false},
        {"one id twice",
         "UPDATE meta SET written_at = written_at - 100",
         {},
         "the same computer twice",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::filesystem::path place = folder_ / ("case " + c.what);
        std::filesystem::create_directories(place);
        const auto written = CSnapshotWriter::Write(Source("h"), place.string(),
                                                    "h-hhhhhhhh.hgshare", "hhhhhhhh", "h");
        ASSERT_EQ(written.status, CSnapshotWriter::Status::Written) << written.error;
        if (!c.sql.empty()) RawDb(written.file).Exec(c.sql);
        if (c.change) c.change(written.file);
        std::vector<std::string> files{written.file};
        std::vector<std::string> named{"h-hhhhhhhh.hgshare (" + c.reason + ")"};
        if (c.what == "one id twice") {
            // The same computer's newer file, without the spoilt day: it is the one counted.
            files.push_back(CSnapshotWriter::Write(Source("g"), place.string(),
                                                   "g-hhhhhhhh.hgshare", "hhhhhhhh", "h")
                                .file);
            named.push_back("g-hhhhhhhh.hgshare (" + c.reason + ")");
        }

        const CMergedReport::Result merged =
            CMergedReport::Compute(Source("this"), "this", "own-id", files, day_, false);
        EXPECT_EQ(AsTable(merged.rows), ByHand(c.restCounts ? std::vector<std::string>{"this", "g"}
                                                            : std::vector<std::string>{"this"},
                                               false));
        std::vector<std::string> left;
        for (const CMergedReport::LeftOut& file : merged.leftOut) {
            left.push_back(std::filesystem::path(file.file).filename().string() + " (" +
                           file.reason + ")");
        }
        EXPECT_EQ(left, named);
        EXPECT_EQ(merged.computers.size(), c.restCounts ? 2u : 1u);
    }
    EXPECT_TRUE(messages_.empty());
}
