// SPDX-License-Identifier: GPL-3.0-or-later
// Several computers: the all-computers Refresh over this computer's heavy year and two
// other heavy years' snapshots, from the click to the painted chart, and the snapshot of a
// heavy year as the program writes it off the user-interface thread.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QEventLoop>
#include <QRadioButton>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchSupport.h"
#include "RefreshLoop.h"
#include "SyntheticYear.h"
#include "core/CShareSettings.h"
#include "core/ISettingsStore.h"
#include "db/CSnapshotWriter.h"
#include "report/CReportBottomView.h"
#include "report/CReportDialogBar.h"
#include "report/CReportFrame.h"

namespace {

struct NullStore : ISettingsStore {
    std::optional<long long> ReadInt(const std::string&) const override { return {}; }
    void WriteInt(const std::string&, long long) override {}
};

std::string ShareFolder() {
    const std::filesystem::path folder = BenchFolder() / "share";
    std::filesystem::create_directories(folder);
    return folder.string();
}

// The share folder with two other computers' snapshots of a heavy year, once.
void PrepareShare() {
    static const bool ready = [] {
        for (const char* id : {"11111111", "22222222"}) {
            const auto result = CSnapshotWriter::Write(HeavyYearFile(), ShareFolder(),
                                                       std::string("other-") + id + ".hgshare", id,
                                                       std::string("other-") + id);
            if (result.status != CSnapshotWriter::Status::Written) std::abort();
        }
        NullStore store;
        TheShareSettings().Apply(ShareFolder(), "this", store);
        return true;
    }();
    (void)ready;
}

void BM_AllComputersRefresh(benchmark::State& state) {
    FailOnMessage();
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "hourglint_bench_share";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    PrepareShare();
    CReportFrame frame(HeavyYearFile(), {}, nullptr);
    frame.DialogBar().AllComputersRadio().setChecked(true);
    MeasureRefreshes(state, frame);
}
BENCHMARK(BM_AllComputersRefresh)->ArgName("group")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One snapshot of a heavy year: the work of the snapshot thread.
void BM_SnapshotHeavyYear(benchmark::State& state) {
    const std::string& source = HeavyYearFile();
    const std::filesystem::path folder = BenchFolder() / "own";
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        const auto result = CSnapshotWriter::Write(source, folder.string(), "this-33333333.hgshare",
                                                   "33333333", "this");
        if (result.status != CSnapshotWriter::Status::Written) std::abort();
    }
    state.counters["bytes"] =
        static_cast<double>(std::filesystem::file_size(folder / "this-33333333.hgshare"));
}
BENCHMARK(BM_SnapshotHeavyYear)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
