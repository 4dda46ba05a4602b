// SPDX-License-Identifier: GPL-3.0-or-later
// History over the heavy synthetic year (200 programs, 24 hours a day, 365 days): the
// window's 365-day Days view from the click to the painted chart, and `hourglint --history`
// from start to exit against the sqlite3 shell running the same sums on the same file.
// "program_cpu_ms" is a process's own processor time, which other work on a busy machine
// does not inflate; "vs_shell" is the program's over the shell's.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QEventLoop>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "SyntheticYear.h"
#include "core/CivilDay.h"
#include "history/CHistoryChartView.h"
#include "history/CHistoryDialogBar.h"
#include "history/CHistoryFrame.h"

namespace {

void EnsureApplication() {
    if (QApplication::instance() == nullptr) {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "hourglint_bench_history";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

int64_t LastDay() {
    return *LocalDayOf(BenchAnchor());
}

// The click on "Refresh" of a 365-day range to the chart painted on screen: the sums on
// the worker, the list, the chart drawn into its image and copied to the window.
void BM_DaysView365(benchmark::State& state) {
    FailOnMessage();
    EnsureApplication();
    const std::string& path = HeavyYearFile();
    CHistoryFrame frame(path, nullptr, nullptr);
    CHistoryDialogBar& bar = frame.DialogBar();
    bar.RangeBox().setCurrentIndex(CHistoryDialogBar::kPresets);
    int year = 0;
    int month = 0;
    int day = 0;
    CivilDate(LastDay() - 364, year, month, day);
    bar.FromEdit().setDate(QDate(year, month, day));
    CivilDate(LastDay(), year, month, day);
    bar.ToEdit().setDate(QDate(year, month, day));
    frame.show();
    QApplication::processEvents();
    QEventLoop shown;
    QObject::connect(&frame, &CHistoryFrame::Refreshed, &shown, &QEventLoop::quit);
    for (auto _ : state) {
        frame.Refresh();
        shown.exec();
        frame.ChartView().repaint();
    }
    if (frame.ChartView().Chart().Data().columns != 365) std::abort();
}
BENCHMARK(BM_DaysView365)->Unit(benchmark::kMillisecond)->UseRealTime();

std::vector<std::string> Command(bool hours) {
    return {HOURGLINT_EXECUTABLE,
            "--history",
            "--database",
            HeavyYearFile(),
            "--from",
            DayText(LastDay() - 364),
            "--to",
            DayText(LastDay()),
            "--by",
            hours ? "hour" : "day"};
}

// The same sums as the command in the shell's own words: per program and day from the
// roll-up the file has, per program and hour of day from the hour rows.
std::vector<std::string> Shell(bool hours) {
    const std::string range =
        " WHERE d >= '" + DayText(LastDay() - 364) + "' AND d <= '" + DayText(LastDay()) + "'";
    const std::string sql =
        hours ? "SELECT titem.name, h, SUM(seconds) FROM ttime JOIN titem ON titem.id = itemid" +
                    range + " GROUP BY itemid, h"
              : "SELECT titem.name, d, SUM(seconds) FROM tday JOIN titem ON titem.id = itemid" +
                    range + " GROUP BY itemid, d";
    return {"sqlite3", "-readonly", HeavyYearFile(), sql};
}

void BM_HistoryCommand(benchmark::State& state) {
    HeavyYearFile();
    const bool hours = state.range(0) == 1;
    double program = 0;
    double shell = 0;
    for (auto _ : state) {
        program += RunProgram(Command(hours));
        state.PauseTiming();
        shell += RunProgram(Shell(hours));
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["program_cpu_ms"] = benchmark::Counter(program / n);
    state.counters["shell_cpu_ms"] = benchmark::Counter(shell / n);
    state.counters["vs_shell"] = benchmark::Counter(shell > 0 ? program / shell : 0);
    state.SetLabel(hours ? "by hour" : "by day");
}
BENCHMARK(BM_HistoryCommand)
    ->ArgName("hour")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
