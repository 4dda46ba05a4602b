// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Calendar days counted from 1970-01-01 (day 0) in the proleptic Gregorian calendar, the
// same in every time zone: a range of days is a range of these numbers, so a day that
// daylight saving makes 23 or 25 hours long is still one step.

int64_t DayNumber(int year, int month, int day);
void CivilDate(int64_t dayNumber, int& year, int& month, int& day);
// 0 for Monday .. 6 for Sunday.
int WeekdayOf(int64_t dayNumber);

// "YYYY-MM-DD" as ttime.d holds it; years outside 1..9999 give an empty text.
std::string DayText(int64_t dayNumber);
// Exactly YYYY-MM-DD naming a day that exists.
std::optional<int64_t> ParseDayText(const std::string& text);

// The local calendar day of t; nullopt when t has no local time.
std::optional<int64_t> LocalDayOf(int64_t t);
// Local noon of the day, far from any daylight-saving switch.
int64_t LocalNoonOf(int64_t dayNumber);
