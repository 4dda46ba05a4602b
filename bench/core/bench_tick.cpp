// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one tracker step with a table of 10, 100 or 1000 programs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/CAppSettings.h"
#include "core/CUsageTracker.h"
#include "core/IClock.h"
#include "core/IClockLabel.h"
#include "core/IForegroundSampler.h"
#include "core/IImageList.h"
#include "core/IListControl.h"
#include "core/IPresence.h"
#include "core/ISettingsStore.h"
#include "core/IUsageStore.h"

namespace {

std::string ProgramName(int i) {
    return "program-" + std::to_string(i);
}
std::string ProgramPath(int i) {
    return "/usr/lib/vendor/bin/" + ProgramName(i);
}

// A fixed instant away from midnight, so no step resets the table.
class FixedClock : public IClock {
  public:
    int64_t Now() override { return 1796724000; }  // 10:00 UTC
};

class RotatingSampler : public IForegroundSampler {
  public:
    ForegroundSample Sample() override {
        return ForegroundSample{"Some document - Editor", true, ProgramName(index),
                                ProgramPath(index)};
    }
    std::optional<IconImage> ExtractIcon(const std::string&, bool) override {
        return IconImage{16, 16, std::vector<uint32_t>(256, 0xFF336699u)};
    }
    int index = 0;
};

class LoadOnlyStore : public IUsageStore {
  public:
    explicit LoadOnlyStore(int rows) {
        for (int i = 0; i < rows; ++i) totals.push_back({ProgramName(i), ProgramPath(i), 100 + i});
    }
    void AddSecond(int64_t, const std::string&, const std::string&) override {}
    void Flush(int64_t, int64_t) override {}
    void StopCounting(int64_t, int64_t, const std::vector<CreditedRun>&) override {}
    std::vector<UsageTotal> LoadDb(int64_t, int) override { return totals; }
    std::vector<UsageTotal> totals;
};

class NullList : public IListControl {
  public:
    void SetImageList(IImageList*) override {}
    void InsertRow(int, const std::string&, int, const UsageRecord*) override {}
    void SetCellText(int, int, const std::string&) override {}
    void SetRowImage(int, int) override {}
    void DeleteRow(int) override {}
    void DeleteAllRows() override {}
};

class NullLabel : public IClockLabel {
  public:
    void SetText(const std::string&) override {}
};

class CountingImages : public IImageList {
  public:
    int Add(const IconImage&) override { return count++; }
    int count = 0;
};

struct Rig {
    explicit Rig(int records) : store(records) {
        setenv("TZ", "UTC", 1);
        tzset();
        tracker.Attach(&live, &alarms, &label, &images);
        tracker.LoadToday();
    }
    CAppSettings settings;
    FixedClock clock;
    RotatingSampler sampler;
    LoadOnlyStore store;
    NullList live;
    NullList alarms;
    NullLabel label;
    CountingImages images;
    CUsageTracker tracker{settings, clock, sampler, store};
};

// The program in front stays the same: found at position 0.
void BM_TickFront(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Rig rig(n);
    rig.sampler.index = 0;
    for (auto _ : state) {
        rig.tracker.Tick();
    }
    state.SetLabel(std::to_string(rig.tracker.Table().Size()) + " records");
}

// Worst case: every step brings the least recently used program to the front. Walking
// the names from the last to the first always hits the record at the back.
void BM_TickBack(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Rig rig(n);
    int next = n - 1;
    for (auto _ : state) {
        rig.sampler.index = next;
        rig.tracker.Tick();
        next = next == 0 ? n - 1 : next - 1;
    }
    if (rig.tracker.Table().Front() == nullptr ||
        rig.tracker.Table().Size() != static_cast<std::size_t>(n)) {
        state.SkipWithError("table changed size");
    }
    state.SetLabel(std::to_string(rig.tracker.Table().Size()) + " records");
}

// A clock that moves on a second at every step, back to 10:00 every half hour so no step
// reaches midnight.
class SteppingClock : public IClock {
  public:
    int64_t Now() override {
        step = step == 1800 ? 0 : step + 1;
        return 1796724000 + step;
    }
    int step = 0;
};

// Answers from memory, as the session's presence does between its bus signals.
class MemoryPresence : public IPresence {
  public:
    bool Locked() override { return false; }
    int64_t IdleMs() override { return 200; }
};

class PauseSettings : public ISettingsStore {
  public:
    std::optional<long long> ReadInt(const std::string& name) const override {
        if (name == "bPauseWhenIdle") return 1;
        return std::nullopt;
    }
    void WriteInt(const std::string&, long long) override {}
};

// The same program in front with a moving clock, without (0) and with (1) the away
// check: the lock state and the idle pause on, so the credited seconds are remembered.
// Arg 2 asks the idle time at every step (a limit of one second).
void BM_TickAwayCheck(benchmark::State& state) {
    setenv("TZ", "UTC", 1);
    tzset();
    CAppSettings settings;
    settings.Load(PauseSettings());
    SteppingClock clock;
    RotatingSampler sampler;
    LoadOnlyStore store(10);
    MemoryPresence presence;
    CUsageTracker tracker(settings, clock, sampler, store);
    NullList live;
    NullList alarms;
    NullLabel label;
    CountingImages images;
    tracker.Attach(&live, &alarms, &label, &images);
    tracker.LoadToday();
    if (state.range(0) > 0) tracker.SetPresence(&presence, state.range(0) == 2 ? 1 : 0);
    for (auto _ : state) {
        tracker.Tick();
    }
    if (tracker.Paused()) state.SkipWithError("paused");
}

}  // namespace

BENCHMARK(BM_TickAwayCheck)->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(BM_TickFront)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(BM_TickBack)->Arg(10)->Arg(100)->Arg(1000);
