// Costs of the database operations that run on the user-interface thread: a flush of the
// pending table, and the two reports over a year of history.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>

#include "LocalInstant.h"
#include "SyntheticYear.h"
#include "core/CAppSettings.h"
#include "core/Message.h"
#include "db/CUsageDb.h"
#include "db/DbText.h"
#include "db/SqliteConnection.h"
#include "db/SqliteStatement.h"

namespace {

// Holds the benchmark files; removed at exit.
struct TempFolder {
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "hourglint-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path = pattern;
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

const std::filesystem::path& Folder() {
    static const TempFolder folder;
    return folder.path;
}

int64_t Anchor() {
    return LocalInstant(2026, 12, 6, 18);
}

// A failure here would make the figures meaningless.
void FailOnMessage() {
    SetMessageHandler([](const std::string& text) {
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
        std::abort();
    });
}

std::string ProgramName(int i) {
    return SyntheticProgramName(i);
}
std::string ProgramPath(int i) {
    return SyntheticProgramPath(i);
}

constexpr int kPrograms = 50;

void FillPending(CUsageDb& db, int64_t now) {
    for (int i = 0; i < kPrograms; ++i) db.AddSecond(now, ProgramName(i), ProgramPath(i));
}

// The flush as the program runs it: one transaction for all 50 programs.
void BM_Flush50Transaction(benchmark::State& state) {
    FailOnMessage();
    const std::string path = (Folder() / "flush-transaction.mdb").string();
    CAppSettings settings;
    CUsageDb db(path, settings);
    int64_t now = Anchor();
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
    const std::string path = (Folder() / "flush-autocommit.mdb").string();
    CAppSettings settings;
    {
        CUsageDb db(path, settings);
        FillPending(db, Anchor());
        db.Flush(Anchor(), Anchor());
    }
    const std::string day = FormatDbDate(Anchor());
    std::tm local{};
    const std::time_t t = Anchor();
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
            findItem.Bind(1, QuoteSqlText(ProgramName(i)));
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
    path = (Folder() / ("year-" + std::to_string(programs) + "x" + std::to_string(hours) + ".mdb"))
               .string();
    WriteSyntheticYear(path, programs, hours, Anchor());
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
        ReportTable rows = kGroups ? db.ReportGroup(Anchor()) : db.ReportProcess(Anchor());
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
