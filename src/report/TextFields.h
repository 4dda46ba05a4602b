// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Fields of the texts a report is written as, from whatever bytes the database holds: the
// text is made valid UTF-8 first (broken bytes become U+FFFD).

// As RFC 4180 quotes a field: in double quotes, doubled inside, when it holds a comma, a
// quote or a line end.
std::string CsvField(const std::string& text);
// A JSON string in double quotes, control characters escaped.
std::string JsonString(const std::string& text);
