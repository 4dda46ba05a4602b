// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include "XvfbSession.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/desktop/DesktopEntryScan.h"
#include "platform/x11/CX11ForegroundSampler.h"

// Cost of one foreground sample against a real X server (Xvfb with openbox and an xterm in
// front): the round trips to the server plus the /proc lookup. And one reading of this
// system's desktop entries, as the worker makes it at start.

namespace {

CX11ForegroundSampler* g_sampler = nullptr;

void BM_X11SampleWithWindowManager(benchmark::State& state) {
    for (auto _ : state) {
        ForegroundSample sample = g_sampler->Sample();
        benchmark::DoNotOptimize(sample);
        if (!sample.processFound) {
            state.SkipWithError("the xterm was not sampled");
            break;
        }
    }
}
BENCHMARK(BM_X11SampleWithWindowManager);

// A program's icon after its first lookup: what a tick pays when it asks again.
void BM_CachedDesktopIcon(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(g_sampler->ExtractIcon("/usr/bin/xterm", false));
    }
}
BENCHMARK(BM_CachedDesktopIcon);

void BM_ReadDesktopEntries(benchmark::State& state) {
    const DesktopEntrySources sources = DesktopEntrySources::FromEnvironment("Adwaita");
    const std::atomic<bool> stop{false};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScanDesktopEntries(sources, stop));
    }
}
BENCHMARK(BM_ReadDesktopEntries)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // A private home, so openbox and xterm write nothing into the user's.
    std::string pattern =
        (std::filesystem::temp_directory_path() / "hourglint-bench-XXXXXX").string();
    const char* home = mkdtemp(pattern.data());
    if (home == nullptr) {
        return 2;
    }
    setenv("HOME", home, 1);
    setenv("XDG_CONFIG_HOME", (std::string(home) + "/config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (std::string(home) + "/cache").c_str(), 1);

    int result = 1;
    {
        auto session = std::make_unique<XvfbSession>();
        std::string error;
        if (!session->Start(error) || !session->StartWindowManager(error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        const uint32_t xterm = session->StartXterm("Bench terminal");
        if (xterm == 0 || !session->Activate(xterm)) {
            std::fprintf(stderr, "the xterm did not come up\n");
            return 1;
        }
        CDesktopEntryIndex entries;
        entries.Start();
        while (!entries.Ready()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));  // no event loop here
        }
        auto sampler = CX11ForegroundSampler::Connect(session->Display().c_str(), entries, error);
        if (!sampler) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        g_sampler = sampler.get();
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        result = 0;
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}
