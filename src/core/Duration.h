// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// Expands %D, %H, %M, %S and %% over a signed count of seconds; "%x" for any other x
// is dropped.
std::string FormatSpan(int64_t seconds, const std::string& pattern);
// The duration text: "__:__:%S", "__:%M:%S", "%H:%M:%S" or "days: %D, %H:%M:%S" (that one
// in the user's language).
std::string FormatDuration(int64_t seconds);
// Local time of t as "%H:%M:%S"; empty when the conversion fails.
std::string FormatClockTime(int64_t t);
