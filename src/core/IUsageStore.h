// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One program's total for a day, as read back from the database.
struct UsageTotal {
    std::string name;
    std::string path;
    int32_t seconds = 0;
};

// Seconds credited to one program at consecutive ticks within one hour.
struct CreditedRun {
    std::string name;
    int64_t first = 0;  // tick time of the first of them
    int32_t seconds = 0;
};

// The persistence the tracker needs: the pending seconds and today's totals.
class IUsageStore {
  public:
    virtual ~IUsageStore() = default;
    virtual void AddSecond(int64_t now, const std::string& name, const std::string& path) = 0;
    virtual void Flush(int64_t now, int64_t when) = 0;
    // Counting stops (the user left): takes the runs back from the pending seconds and the
    // stored hours, then writes what stays pending under the hour of lastCounted.
    virtual void StopCounting(int64_t now, int64_t lastCounted,
                              const std::vector<CreditedRun>& takeBack) = 0;
    // At most capacity rows; a failed load gives none.
    virtual std::vector<UsageTotal> LoadDb(int64_t day, int capacity) = 0;
};
