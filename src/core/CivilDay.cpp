// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CivilDay.h"

#include <cstdio>
#include <ctime>

#include "core/LocalTime.h"

// The conversions follow Howard Hinnant's days_from_civil and civil_from_days: eras of
// 400 years, each 146097 days, with the year starting in March so the leap day comes last.
int64_t DayNumber(int year, int month, int day) {
    const int64_t y = int64_t{year} - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilDate(int64_t dayNumber, int& year, int& month, int& day) {
    const int64_t z = dayNumber + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

int WeekdayOf(int64_t dayNumber) {
    // Day 0 was a Thursday.
    const int64_t weekday = (dayNumber + 3) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

std::string DayText(int64_t dayNumber) {
    int year = 0;
    int month = 0;
    int day = 0;
    CivilDate(dayNumber, year, month, day);
    if (year < 1 || year > 9999) {
        return {};
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

std::optional<int64_t> ParseDayText(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    int fields[3] = {};
    int field = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == 4 || i == 7) {
            ++field;
            continue;
        }
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        fields[field] = fields[field] * 10 + (text[i] - '0');
    }
    const int year = fields[0];
    const int month = fields[1];
    const int day = fields[2];
    if (year < 1 || month < 1 || month > 12 || day < 1) {
        return std::nullopt;
    }
    // A day past its month's end comes back as a date in the next month.
    const int64_t number = DayNumber(year, month, day);
    int y = 0;
    int m = 0;
    int d = 0;
    CivilDate(number, y, m, d);
    if (y != year || m != month || d != day) {
        return std::nullopt;
    }
    return number;
}

std::optional<int64_t> LocalDayOf(int64_t t) {
    std::tm local{};
    if (!ToLocalTime(t, local)) {
        return std::nullopt;
    }
    return DayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

int64_t LocalNoonOf(int64_t dayNumber) {
    int year = 0;
    int month = 0;
    int day = 0;
    CivilDate(dayNumber, year, month, day);
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&local));
}
