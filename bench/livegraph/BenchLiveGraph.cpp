// SPDX-License-Identifier: GPL-3.0-or-later
// The live graph's drawing at its largest: 100 lanes on a 1280-column strip.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "core/CLiveInputData.h"
#include "livegraph/CLiveView.h"

namespace {

struct Graph {
    CLiveInputData input;
    CLiveView view{&input, nullptr};

    Graph() {
        // 5 + 174 + 1280 + 5 pixels wide; tall enough for 100 lanes of 8 pixels.
        view.resize(1464, 900);
        for (int i = 0; i < 1400; ++i) {
            input.SetCurrent("program" + std::to_string(i < 200 ? i % 100 : (i / 7) % 100), -1);
            view.OnTick();
        }
    }
};

Graph& Shared() {
    static Graph graph;
    return graph;
}

// An ordinary second: the same program as the second before.
void BM_TickSameProgram(benchmark::State& state) {
    Graph& graph = Shared();
    graph.input.SetCurrent("program42", -1);
    for (auto _ : state) graph.view.OnTick();
    state.counters["rows"] = graph.view.Timeline().RowCount();
    state.counters["strip"] = graph.view.Geom().stripWidth;
}
BENCHMARK(BM_TickSameProgram)->Unit(benchmark::kMillisecond);

// A second where another program came to the front: two lanes and two labels repainted.
void BM_TickOtherProgram(benchmark::State& state) {
    Graph& graph = Shared();
    int i = 0;
    for (auto _ : state) {
        graph.input.SetCurrent("program" + std::to_string(i++ % 100), -1);
        graph.view.OnTick();
    }
}
BENCHMARK(BM_TickOtherProgram)->Unit(benchmark::kMillisecond);

void BM_FullRepaint(benchmark::State& state) {
    Graph& graph = Shared();
    for (auto _ : state) benchmark::DoNotOptimize(graph.view.FullRepaintPicture());
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
