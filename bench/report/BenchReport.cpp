// SPDX-License-Identifier: GPL-3.0-or-later
// The report window's costs: Refresh over a heavy year from the click to the painted chart
// (computed on the worker), one chart redraw, and saving a report of 1000 rows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QEventLoop>
#include <QRadioButton>
#include <cstdlib>
#include <string>

#include "BenchSupport.h"
#include "RefreshLoop.h"
#include "SyntheticYear.h"
#include "platform/desktop/CDesktopEntryIcons.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/system/CQtSettingsStore.h"
#include "report/CBarChart.h"
#include "report/CHtmlReportExport.h"
#include "report/CReportBottomView.h"
#include "report/CReportDialogBar.h"
#include "report/CReportFrame.h"
#include "report/CReportModel.h"
#include "report/HtmlReportText.h"

namespace {

void EnsureApplication() {
    if (QApplication::instance() == nullptr) {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "hourglint_bench_report";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

// From the Refresh click to the chart painted on screen, as the report window runs it.
void BM_RefreshHeavyYear(benchmark::State& state) {
    FailOnMessage();
    EnsureApplication();
    const std::string& path = HeavyYearFile();
    // The icons as the program has them once its entries are read.
    CDesktopEntryIndex entries;
    entries.Start();
    while (!entries.Ready()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    CDesktopEntryIcons icons(entries);
    CReportFrame frame(
        path, [&icons](const std::string& p) { return icons.IconFor(p); }, nullptr);
    MeasureRefreshes(state, frame);
}
BENCHMARK(BM_RefreshHeavyYear)->ArgName("group")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The query and the computation alone, to tell the window's share from the database's.
void BM_ComputeHeavyYear(benchmark::State& state) {
    FailOnMessage();
    const std::string& path = HeavyYearFile();
    const ReportMode mode = state.range(0) == 0 ? ReportMode::Process : ReportMode::Group;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CReportModel::Compute(path, BenchAnchor(), mode));
    }
    state.SetLabel(state.range(0) == 0 ? "Process" : "Group");
}
BENCHMARK(BM_ComputeHeavyYear)->ArgName("group")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same after Qt has started and read its settings on this thread, as the command line
// and the running program do before a report: Qt's code may leave the processor's vector
// registers in a state that slows every SQLite instruction after it. Should stay as fast
// as BM_ComputeHeavyYear.
void BM_ComputeAfterQtSettings(benchmark::State& state) {
    FailOnMessage();
    EnsureApplication();
    const std::string& path = HeavyYearFile();
    for (auto _ : state) {
        state.PauseTiming();
        { const CQtSettingsStore settings; }
        state.ResumeTiming();
        benchmark::DoNotOptimize(CReportModel::Compute(path, BenchAnchor(), ReportMode::Process));
    }
}
BENCHMARK(BM_ComputeAfterQtSettings)->Unit(benchmark::kMillisecond);

ChartData TopFive() {
    ReportTable rows;
    for (int i = 0; i < 5; ++i) {
        rows.push_back({i, SyntheticProgramName(i), "", 30000 - i * 4000, 25000 - i * 3000,
                        20000 - i * 2000, 15000 - i * 1000, 9000 - i * 500});
    }
    return CReportModel(ReportMode::Process, rows).Chart();
}

// One redraw of the off-screen surface: what every data or size change costs.
void BM_ChartRedraw(benchmark::State& state) {
    EnsureApplication();
    CBarChart chart;
    chart.SetClientSize(QSize(684, 450));
    const ChartData data = TopFive();
    for (auto _ : state) {
        chart.SetData(data);
    }
}
BENCHMARK(BM_ChartRedraw)->Unit(benchmark::kMillisecond);

CHtmlReportExport::Input ThousandRows() {
    EnsureApplication();
    CBarChart chart;
    chart.SetClientSize(QSize(684, 450));
    chart.SetData(TopFive());
    CHtmlReportExport::Input input;
    input.reportDay = BenchAnchor();
    input.savedAt = BenchAnchor();
    input.chart = chart.Picture();
    for (int i = 0; i < 1000; ++i) {
        input.rows.push_back({SyntheticProgramName(i), std::to_string(3600 - i), std::to_string(i),
                              "514", "120", "9"});
    }
    return input;
}

// The whole save of 1000 rows: chart JPEG and HTML file.
void BM_HtmlExport1000(benchmark::State& state) {
    const CHtmlReportExport::Input input = ThousandRows();
    const QString path = QString::fromStdString((BenchFolder() / "report.htm").string());
    for (auto _ : state) {
        if (!CHtmlReportExport::Save(path, input).written) std::abort();
    }
}
BENCHMARK(BM_HtmlExport1000)->Unit(benchmark::kMillisecond);

// The HTML text alone, without the image and the disk.
void BM_HtmlText1000(benchmark::State& state) {
    const CHtmlReportExport::Input input = ThousandRows();
    HtmlReportContent content;
    content.rows = input.rows;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HtmlReportText(content));
    }
}
BENCHMARK(BM_HtmlText1000)->Unit(benchmark::kMillisecond);

}  // namespace
