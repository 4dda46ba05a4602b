// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryRange.h"

#include "core/CivilDay.h"

DayRange PresetRange(HistoryPreset preset, int64_t today, int firstWeekday) {
    switch (preset) {
        case HistoryPreset::Last7:
            return {today - 6, today};
        case HistoryPreset::Last30:
            return {today - 29, today};
        case HistoryPreset::Last90:
            return {today - 89, today};
        case HistoryPreset::Last365:
            return {today - 364, today};
        case HistoryPreset::ThisWeek:
            return {today - (WeekdayOf(today) - firstWeekday + 7) % 7, today};
        case HistoryPreset::ThisMonth: {
            int year = 0;
            int month = 0;
            int day = 0;
            CivilDate(today, year, month, day);
            return {DayNumber(year, month, 1), today};
        }
    }
    return {today, today};
}
