// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A temporary folder for the benchmark's files, made on first use and removed at exit.
const std::filesystem::path& BenchFolder();

// The hour the synthetic history ends on: 6 December 2026, 18:00 local time.
int64_t BenchAnchor();

// Aborts on any message the program would show: a failure makes the figures meaningless.
void FailOnMessage();

// Runs a program with its standard output thrown away; aborts unless it exits with 0.
// Returns its processor time in milliseconds.
double RunProgram(std::vector<std::string> args);
