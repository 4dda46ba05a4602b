// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <string>

// What the end-to-end tests read back from the program's database.
struct DayTotal {
    std::string path;
    int seconds = 0;
};

// name -> today's seconds in the hours [firstHour, lastHour], read with plain SQL.
std::map<std::string, DayTotal> ReadToday(const std::filesystem::path& db, int firstHour,
                                          int lastHour);

int SecondsSince(std::chrono::steady_clock::time_point start);

int LocalHourNow();
