// SPDX-License-Identifier: GPL-3.0-or-later
// Costs of the database operations that run on the user-interface thread: a flush of the
// pending table, and the two reports over a year of history.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <ctime>
#include <map>
#include <string>

#include "BenchSupport.h"
#include "SyntheticYear.h"
#include "core/CAppSettings.h"
#include "db/CUsageDb.h"
#include "db/DbText.h"
#include "db/SqliteConnection.h"
#include "db/SqliteStatement.h"

namespace {

constexpr int kPrograms = 50;

void FillPending(CUsageDb& db, int64_t now) {
    for (int i = 0; i < kPrograms; ++i)
        db.AddSecond(now, SyntheticProgramName(i), SyntheticProgramPath(i));
}

// The flush as the program runs it: one transaction for all 50 programs.
void BM_Flush50Transaction(benchmark::State& state) {
    FailOnMessage();
    const std::string path = (BenchFolder() / "flush-transaction.mdb").string();
    CAppSettings settings;
    CUsageDb db(path, settings);
    int64_t now = BenchAnchor();
    db.Flush(now, now);
    FillPending(db, now);
    db.Flush(now, now);  // every program known, every hour row there
    for (auto _ : state) {
        state.PauseTiming();
        FillPending(db, now);
        state.ResumeTiming();
        db.Flush(now, now);
    }
}
BENCHMARK(BM_Flush50Transaction)->Unit(benchmark::kMillisecond);

// The same statements, each in its own autocommit transaction.
void BM_Flush50Autocommit(benchmark::State& state) {
    FailOnMessage();
    const std::string path = (BenchFolder() / "flush-autocommit.mdb").string();
    CAppSettings settings;
    {
        CUsageDb db(path, settings);
        FillPending(db, BenchAnchor());
        db.Flush(BenchAnchor(), BenchAnchor());
    }
    const std::string day = FormatDbDate(BenchAnchor());
    std::tm local{};
    const std::time_t t = BenchAnchor();
    localtime_r(&t, &local);
    for (auto _ : state) {
        SqliteConnection connection;
        if (!connection.Open(path, CUsageDb::kDefaultBusyTimeoutMs)) std::abort();
        SqliteStatement findItem(connection, "SELECT id, path FROM titem WHERE name = ?");
        SqliteStatement findHour(connection,
                                 "SELECT id FROM ttime WHERE itemid = ? AND d = ? AND h = ?");
        SqliteStatement addToHour(connection,
                                  "UPDATE ttime SET seconds = seconds + ? WHERE id = ?");
        for (int i = 0; i < kPrograms; ++i) {
            findItem.Reset();
            findItem.Bind(1, QuoteSqlText(SyntheticProgramName(i)));
            findItem.Step();
            const int64_t itemId = findItem.Int("id");
            findHour.Reset();
            findHour.Bind(1, itemId);
            findHour.Bind(2, day);
            findHour.Bind(3, int64_t{local.tm_hour});
            findHour.Step();
            addToHour.Reset();
            addToHour.Bind(1, int64_t{1});
            addToHour.Bind(2, int64_t{findHour.Int("id")});
            addToHour.Run();
        }
    }
}
BENCHMARK(BM_Flush50Autocommit)->Unit(benchmark::kMillisecond);

// A year of history ending on the anchor day: programs x hours x 365 days.
const std::string& YearFile(int programs, int hours) {
    static std::map<std::pair<int, int>, std::string> files;
    std::string& path = files[{programs, hours}];
    if (!path.empty()) return path;
    path = (BenchFolder() /
            ("year-" + std::to_string(programs) + "x" + std::to_string(hours) + ".mdb"))
               .string();
    WriteSyntheticYear(path, programs, hours, BenchAnchor());
    return path;
}

template <bool kGroups>
void BM_Report(benchmark::State& state) {
    FailOnMessage();
    const std::string& path =
        YearFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    CAppSettings settings;
    for (auto _ : state) {
        CUsageDb db(path, settings);
        ReportTable rows =
            kGroups ? db.ReportGroup(BenchAnchor()) : db.ReportProcess(BenchAnchor());
        if (rows.empty()) std::abort();
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK_TEMPLATE(BM_Report, false)
    ->Name("BM_ReportProcess")
    ->ArgNames({"programs", "hours"})
    ->Args({20, 10})
    ->Args({200, 24})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Report, true)
    ->Name("BM_ReportGroup")
    ->ArgNames({"programs", "hours"})
    ->Args({20, 10})
    ->Args({200, 24})
    ->Unit(benchmark::kMillisecond);

}  // namespace
