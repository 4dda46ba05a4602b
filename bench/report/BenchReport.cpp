// The report window's costs on the user-interface thread: Refresh over a heavy year from
// the click to the painted chart, one chart redraw, and saving a report of 1000 rows.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QRadioButton>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "LocalInstant.h"
#include "core/Message.h"
#include "db/CUsageDb.h"
#include "db/DbText.h"
#include "platform/DesktopEntryIcons.h"
#include "report/CBarChart.h"
#include "report/CHtmlReportExport.h"
#include "report/CReportBottomView.h"
#include "report/CReportDialogBar.h"
#include "report/CReportFrame.h"
#include "report/CReportModel.h"
#include "report/HtmlReportText.h"

namespace {

struct TempFolder {
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "hourglint-bench-report-XXXXXX").string();
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

void FailOnMessage() {
    SetMessageHandler([](const std::string& text) {
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
        std::abort();
    });
}

void Exec(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql.c_str(), error);
        std::abort();
    }
}

// 200 programs x 24 hours x 365 days ending on the anchor day, in five groups.
const std::string& HeavyYear() {
    static const std::string path = [] {
        const std::string file = (Folder() / "year.mdb").string();
        CUsageDb(file).LoadDb(0, 1);  // file, tables and indexes
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        Exec(db, "BEGIN");
        Exec(db, "INSERT INTO tgroup(name) VALUES ('Work'), ('Play'), ('Mail'), ('Web')");
        Exec(db,
             "WITH RECURSIVE p(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM p WHERE i < 200) "
             "INSERT INTO titem(id, name, compunit, path, groupid) "
             "SELECT i, 'program' || i || '.bin', 0, '/opt/programs/program' || i || '.bin', "
             "i % 5 FROM p");
        for (int day = 0; day < 365; ++day) {
            const std::string d = FormatDbDate(Anchor() - int64_t{day} * 86400);
            Exec(db,
                 "WITH RECURSIVE p(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM p WHERE i < 200), "
                 "h(j) AS (SELECT 0 UNION ALL SELECT j + 1 FROM h WHERE j < 23) "
                 "INSERT INTO ttime(itemid, d, h, seconds) SELECT i, '" +
                     d + "', j, 60 + (i * 7 + j * 13 + " + std::to_string(day) +
                     ") % 3000 FROM p, h");
        }
        Exec(db, "COMMIT");
        sqlite3_close(db);
        return file;
    }();
    return path;
}

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
    const std::string& path = HeavyYear();
    CDesktopEntryIcons icons;
    CReportFrame frame(
        path, [&icons](const std::string& p) { return icons.IconFor(p); }, nullptr);
    frame.DialogBar().DatePicker().setDateTime(QDateTime::fromSecsSinceEpoch(Anchor()));
    if (state.range(0) == 1) frame.DialogBar().GroupRadio().setChecked(true);
    frame.show();
    QApplication::processEvents();
    for (auto _ : state) {
        frame.Refresh();
        frame.ChartView().repaint();
    }
    state.SetLabel(state.range(0) == 0 ? "Process" : "Group");
}
BENCHMARK(BM_RefreshHeavyYear)->ArgName("group")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The query and the computation alone, to tell the window's share from the database's.
void BM_ComputeHeavyYear(benchmark::State& state) {
    FailOnMessage();
    const std::string& path = HeavyYear();
    const ReportMode mode = state.range(0) == 0 ? ReportMode::Process : ReportMode::Group;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CReportModel::Compute(path, Anchor(), mode));
    }
    state.SetLabel(state.range(0) == 0 ? "Process" : "Group");
}
BENCHMARK(BM_ComputeHeavyYear)->ArgName("group")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

ChartData TopFive() {
    ReportTable rows;
    for (int i = 0; i < 5; ++i) {
        rows.push_back({i, "program" + std::to_string(i) + ".bin", "", 30000 - i * 4000,
                        25000 - i * 3000, 20000 - i * 2000, 15000 - i * 1000, 9000 - i * 500});
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
    input.reportDay = Anchor();
    input.savedAt = Anchor();
    input.chart = chart.Picture();
    for (int i = 0; i < 1000; ++i) {
        input.rows.push_back({"program" + std::to_string(i) + ".bin", std::to_string(3600 - i),
                              std::to_string(i), "514", "120", "9"});
    }
    return input;
}

// The whole save of 1000 rows: chart JPEG and HTML file.
void BM_HtmlExport1000(benchmark::State& state) {
    const CHtmlReportExport::Input input = ThousandRows();
    const QString path = QString::fromStdString((Folder() / "report.htm").string());
    for (auto _ : state) {
        if (!CHtmlReportExport::Save(path, input).htmlWritten) std::abort();
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
