// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The ranges the History window offers, ending today.
enum class HistoryPreset { Last7, Last30, Last90, Last365, ThisWeek, ThisMonth };

struct DayRange {
    int64_t first = 0;  // CivilDay numbers, both included
    int64_t last = 0;
    bool operator==(const DayRange&) const = default;
};

// today: a CivilDay number; firstWeekday: the locale's first day of the week, 0 for
// Monday to 6 for Sunday.
DayRange PresetRange(HistoryPreset preset, int64_t today, int firstWeekday);
