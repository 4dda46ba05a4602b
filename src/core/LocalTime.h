// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

// Local calendar time of t (seconds since the epoch); false when it cannot be converted.
bool ToLocalTime(int64_t t, std::tm& local);
// strftime of the local time of t; empty when the conversion fails or gives nothing.
std::string FormatLocalTime(int64_t t, const char* format);
