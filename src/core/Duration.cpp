// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Duration.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "core/LocalTime.h"
#include "core/Translate.h"
#include "core/Utf8Text.h"

namespace {

void AppendNumber(std::string& out, const char* format, long long value) {
    char buffer[32];
    const int n = std::snprintf(buffer, sizeof buffer, format, value);
    if (n > 0) {
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace

std::string FormatSpan(int64_t s, const std::string& pattern) {
    // Integer division truncates toward zero, so a negative span gives signed parts.
    const long long days = s / 86400;
    const long long hours = s / 3600 - days * 24;
    const long long minutes = s / 60 - (s / 3600) * 60;
    const long long seconds = s - (s / 60) * 60;

    std::string out;
    out.reserve(pattern.size() + 16);
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c != '%') {
            // a multibyte character goes over whole
            const std::size_t len =
                std::min(Utf8CharLength(static_cast<unsigned char>(c)), pattern.size() - i);
            out.append(pattern, i, len);
            i += len;
            continue;
        }
        if (i + 1 >= pattern.size()) {
            break;  // a lone '%' at the end has no code to expand: dropped like unknown codes
        }
        const char code = pattern[i + 1];
        switch (code) {
            case 'D':
                AppendNumber(out, "%lld", days);
                break;
            case 'H':
                AppendNumber(out, "%02lld", hours);
                break;
            case 'M':
                AppendNumber(out, "%02lld", minutes);
                break;
            case 'S':
                AppendNumber(out, "%02lld", seconds);
                break;
            case '%':
                out += '%';
                break;
            default:
                break;  // unknown code: both dropped
        }
        // an unknown multibyte code is dropped whole, not left as stray trail bytes
        i += 1 + std::min(Utf8CharLength(static_cast<unsigned char>(code)), pattern.size() - i - 1);
    }
    return out;
}

std::string FormatDuration(int64_t s) {
    if (s < 0) return FormatSpan(s, "__:__:%S");
    if (s >= 86400) {
        // The pattern is translated whole: %D %H %M %S stay, in the language's order.
        //: %D days, %H hours, %M minutes, %S seconds
        const char* pattern = QT_TRANSLATE_NOOP("Duration", "days: %D, %H:%M:%S");
        return FormatSpan(s, Translate("Duration", pattern));
    }
    if (s >= 3600) return FormatSpan(s, "%H:%M:%S");
    if (s >= 60) return FormatSpan(s, "__:%M:%S");
    return FormatSpan(s, "__:__:%S");
}

std::string FormatClockTime(int64_t t) {
    return FormatLocalTime(t, "%H:%M:%S");
}
