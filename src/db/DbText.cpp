// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/DbText.h"

#include <cstdio>
#include <ctime>

#include "core/LocalTime.h"
#include "core/Utf8Text.h"

std::string QuoteSqlText(const std::string& text) {
    std::string stored = text;
    TruncateUtf8(stored, kStoredTextChars);
    return stored;
}

std::string FormatDbDate(int64_t t) {
    // Four digits always: days are compared as text, and strftime's %Y gives "203" for 203.
    std::tm local{};
    if (!ToLocalTime(t, local)) {
        return {};
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday);
    return buffer;
}
