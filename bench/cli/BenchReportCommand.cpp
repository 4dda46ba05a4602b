// SPDX-License-Identifier: GPL-3.0-or-later
// `hourglint --report` over the heavy synthetic year (200 programs, 24 hours a day, 365
// days): the whole process, from start to exit, as a script or cron job sees it. Beside the
// wall time, "program_cpu_ms" is the program's own processor time (user + system), which
// other work on a busy machine does not inflate; "shell_cpu_ms" is the sqlite3 shell's for
// the report's own statements on the same file, the floor, and "vs_shell" the ratio, which
// a slowdown of the engine inside the program shows at once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "SyntheticYear.h"

namespace {

double RunReport(const std::vector<std::string>& extra) {
    std::vector<std::string> args = {HOURGLINT_EXECUTABLE, "--report", "--database",
                                     HeavyYearFile(),      "--date",   "2026-12-06"};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunProgram(args);
}

// The report's five sums (the day, the day before, 7, 30 and 365 days) as the program
// states them, from the roll-up by day the file has.
double RunShellFloor(bool groups) {
    const std::string sum = "COALESCE(CAST(TOTAL(seconds) AS INTEGER), 0) AS ss ";
    const std::string select =
        groups ? "SELECT groupid, " + sum + "FROM tday, titem WHERE titem.id=tday.itemid AND "
               : "SELECT titem.id, titem.name, titem.path, " + sum +
                     "FROM tday, titem WHERE titem.id=tday.itemid AND ";
    const std::string group = groups ? " GROUP BY groupid ORDER BY ss DESC;"
                                     : " GROUP BY name, path, titem.id ORDER BY ss DESC;";
    std::string sql;
    for (const char* days :
         {"d = '2026-12-06'", "d = '2026-12-05'", "d <= '2026-12-06' AND d > '2026-11-29'",
          "d <= '2026-12-06' AND d > '2026-11-06'", "d <= '2026-12-06' AND d > '2025-12-06'"}) {
        sql += select + days + group;
    }
    return RunProgram({"sqlite3", "-readonly", HeavyYearFile(), sql});
}

void BM_ReportCommand(benchmark::State& state, std::vector<std::string> extra) {
    if (extra.size() > 1 && extra.back() == "OUTPUT") {
        extra.back() = (BenchFolder() / "report.htm").string();
    }
    HeavyYearFile();
    const bool groups = std::find(extra.begin(), extra.end(), "--group") != extra.end();
    double cpu = 0;
    double shell = 0;
    for (auto _ : state) {
        cpu += RunReport(extra);
        state.PauseTiming();
        shell += RunShellFloor(groups);
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["program_cpu_ms"] = benchmark::Counter(cpu / n);
    state.counters["shell_cpu_ms"] = benchmark::Counter(shell / n);
    state.counters["vs_shell"] = benchmark::Counter(shell > 0 ? cpu / shell : 0);
}
BENCHMARK_CAPTURE(BM_ReportCommand, process_csv, std::vector<std::string>{})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ReportCommand, group_csv, std::vector<std::string>{"--group"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ReportCommand, process_json, std::vector<std::string>{"--format", "json"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ReportCommand, process_html,
                  std::vector<std::string>{"--format", "html", "--output", "OUTPUT"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
