// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// Benchmark programs: "program<i>.bin" in /opt/programs/.
std::string SyntheticProgramName(int i);
std::string SyntheticProgramPath(int i);

// Writes a database at path holding a year of history ending on the day of anchor: every
// program used every day in hours 0 to hours - 1, spread over four groups and "Default".
void WriteSyntheticYear(const std::string& path, int programs, int hours, int64_t anchor);

// The heavy year: 200 programs x 24 hours ending on BenchAnchor(), written into BenchFolder()
// on first use.
const std::string& HeavyYearFile();
