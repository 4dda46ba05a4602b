// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "core/CShareSettings.h"
#include "core/CivilDay.h"
#include "db/CMergedReport.h"
#include "db/CSnapshotWriter.h"
#include "db/CUsageDb.h"
#include "history/MergedHistoryModel.h"

namespace {

using Table = std::map<std::string, std::vector<int64_t>>;

void AddUp(Table& table, const CHistoryModel& history) {
    for (const HistoryRow& row : history.Rows()) {
        std::vector<int64_t>& values = table[row.name];
        values.resize(row.values.size());
        for (size_t i = 0; i < row.values.size(); ++i) values[i] += row.values[i];
    }
}

class MergedHistory : public DbTest {
  protected:
    struct Use {
        std::string name, group, day;
        int seconds;
    };
    std::string Source(const std::string& computer) {
        return (folder_ / (computer + ".mdb")).string();
    }
    // A database of the program's own making, filled through a second connection.
    void Make(const std::string& computer, const std::vector<Use>& uses) {
        CUsageDb(Source(computer), settings_).LoadDb(0, 1);
        RawDb db(Source(computer));
        for (const Use& use : uses) {
            db.Exec("INSERT INTO tgroup(name) SELECT '" + use.group + "' WHERE '" + use.group +
                    "' <> '' AND NOT EXISTS (SELECT 1 FROM tgroup WHERE name = '" + use.group +
                    "')");
            db.Exec("INSERT INTO titem(name, compunit, path, groupid) SELECT '" + use.name +
                    "', 0, '/" + computer + "/" + use.name +
                    "', COALESCE((SELECT id FROM tgroup WHERE name = '" + use.group +
                    "'), 0) WHERE NOT EXISTS (SELECT 1 FROM titem WHERE name = '" + use.name +
                    "')");
            // Two hour rows, which a snapshot folds into one day row.
            for (const int hour : {9, 17}) {
                db.Exec("INSERT INTO ttime(itemid, d, h, seconds) SELECT id, '" + use.day + "', " +
                        std::to_string(hour) + ", " + std::to_string(use.seconds) +
                        " FROM titem WHERE name = '" + use.name + "'");
            }
        }
    }
    HistoryQuery Query(HistoryBy by, ReportMode mode) const {
        return HistoryQuery{*ParseDayText("2026-11-29"), *ParseDayText("2026-12-05"), by, mode};
    }
};

TEST_F(MergedHistory, IsTheSumOfEachComputersHistory) {
    const std::filesystem::path share = folder_ / "share";
    std::filesystem::create_directories(share);
    Make("this", {{"editor", "Work", "2026-11-29", 100}, {"mail", "", "2026-12-05", 30}});
    Make("b", {{"editor", "Work", "2026-11-30", 40},
               {"shell", "Work", "2026-12-01", 70},
               {"mail", "", "2026-11-28", 999}});  // a day before the range
    Make("c", {{"game", "Play", "2026-12-03", 200}, {"editor", "", "2026-12-05", 5}});
    for (const auto& [computer, id] : std::vector<std::pair<std::string, std::string>>{
             {"b", "bbbb"}, {"c", "cccc"}, {"this", "own-id"}}) {
        const auto written = CSnapshotWriter::Write(Source(computer), share.string(),
                                                    computer + ".hgshare", id, computer);
        ASSERT_EQ(written.status, CSnapshotWriter::Status::Written) << written.error;
    }
    CShareSettings settings;
    struct Store : ISettingsStore {
        std::string folder;
        std::optional<long long> ReadInt(const std::string&) const override { return {}; }
        void WriteInt(const std::string&, long long) override {}
        std::optional<std::string> ReadText(const std::string& name) const override {
            if (name == CShareSettings::kFolderKey) return folder;
            if (name == CShareSettings::kNameKey) return std::string("this");
            if (name == CShareSettings::kIdKey) return std::string("own-id");
            return std::nullopt;
        }
        void WriteText(const std::string&, const std::string&) override {}
    } store;
    store.folder = share.string();
    settings.Load(store, "host");
    const std::vector<std::string> snapshots = CMergedReport::SnapshotsIn(share.string());

    for (const ReportMode mode : {ReportMode::Process, ReportMode::Group}) {
        SCOPED_TRACE(ReportModeText(mode));
        const HistoryQuery query = Query(HistoryBy::Day, mode);
        const MergedHistoryModel merged =
            ComputeMergedHistory(Source("this"), settings, snapshots, query);
        EXPECT_TRUE(merged.leftOut.empty());
        EXPECT_TRUE(merged.hoursFrom.empty());
        EXPECT_EQ(merged.computers, (std::vector<std::string>{"this", "b", "c"}));
        Table byHand;
        for (const char* computer : {"this", "b", "c"}) {
            AddUp(byHand, CHistoryModel::Compute(Source(computer), query));
        }
        Table got;
        AddUp(got, merged.history);
        EXPECT_EQ(got, byHand);
    }
    // This computer's rows keep their own keys and paths: they find its icons.
    const MergedHistoryModel process = ComputeMergedHistory(
        Source("this"), settings, snapshots, Query(HistoryBy::Day, ReportMode::Process));
    ASSERT_FALSE(process.history.Rows().empty());
    EXPECT_EQ(process.history.Rows().front().name, "game");
    EXPECT_LT(process.history.Rows().front().key, 0);
    for (const HistoryRow& row : process.history.Rows()) {
        if (row.name == "editor") {
            EXPECT_EQ(row.path, "/this/editor");
        }
    }
    // Snapshots hold days only: by hour of day, the hours are this computer's.
    const HistoryQuery hours = Query(HistoryBy::Hour, ReportMode::Process);
    const MergedHistoryModel merged =
        ComputeMergedHistory(Source("this"), settings, snapshots, hours);
    EXPECT_EQ(merged.hoursFrom, (std::vector<std::string>{"this"}));
    Table own;
    AddUp(own, CHistoryModel::Compute(Source("this"), hours));
    Table got;
    AddUp(got, merged.history);
    EXPECT_EQ(got, own);
    EXPECT_TRUE(messages_.empty());
}

}  // namespace
