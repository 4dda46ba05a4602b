// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// Longest text a stored name or path may hold, in characters.
inline constexpr size_t kStoredTextChars = 255;
// Longest text kept when a value is read back, in characters.
inline constexpr size_t kReadTextChars = 259;

// Text as it is stored: values travel as bound parameters, so quotes need no doubling and
// are stored as typed; the text is cut to 255 characters on a character boundary.
std::string QuoteSqlText(const std::string& text);

// The local calendar day of t as stored in ttime.d, "YYYY-MM-DD"; empty if t has no local
// time.
std::string FormatDbDate(int64_t t);
