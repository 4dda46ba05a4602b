// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/IUsageStore.h"

// In-memory store: records what the tracker hands over and returns canned totals.
class FakeUsageStore : public IUsageStore {
  public:
    struct Second {
        int64_t now;
        std::string name;
        std::string path;
    };
    struct FlushCall {
        int64_t now;
        int64_t when;
    };

    void AddSecond(int64_t now, const std::string& name, const std::string& path) override {
        seconds.push_back({now, name, path});
    }
    void Flush(int64_t now, int64_t when) override { flushes.push_back({now, when}); }
    void StopCounting(int64_t now, int64_t lastCounted,
                      const std::vector<CreditedRun>& takeBack) override {
        stops.push_back({now, lastCounted, takeBack});
    }
    std::vector<UsageTotal> LoadDb(int64_t day, int capacity) override {
        loadDays.push_back(day);
        loadCapacity = capacity;
        return totals;
    }

    struct StopCall {
        int64_t now;
        int64_t lastCounted;
        std::vector<CreditedRun> takeBack;
    };
    std::vector<StopCall> stops;
    std::vector<UsageTotal> totals;
    std::vector<Second> seconds;
    std::vector<FlushCall> flushes;
    std::vector<int64_t> loadDays;
    int loadCapacity = 0;
};
