// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Duration.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

TEST(FormatDurationTest, PicksThePatternBySize) {
    const struct {
        int64_t seconds;
        const char* text;
    } cases[] = {
        {0, "__:__:00"},
        {59, "__:__:59"},
        {60, "__:01:00"},
        {61, "__:01:01"},
        {3599, "__:59:59"},
        {3600, "01:00:00"},
        {3661, "01:01:01"},
        {86399, "23:59:59"},
        {86400, "days: 1, 00:00:00"},
        {90061, "days: 1, 01:01:01"},
        {183845, "days: 2, 03:04:05"},
        {-5, "__:__:-5"},
        {-65, "__:__:-5"},
        {-60, "__:__:00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDuration(c.seconds), c.text) << c.seconds;
    }
}

TEST(FormatDurationTest, PartsStayWithinTheirUnits) {
    for (int64_t s : {int64_t{86400} * 400 + 86399, int64_t{2147483647}}) {
        const std::string text = FormatSpan(s, "%H %M %S");
        const int h = std::atoi(text.substr(0, 2).c_str());
        const int m = std::atoi(text.substr(3, 2).c_str());
        const int sec = std::atoi(text.substr(6, 2).c_str());
        EXPECT_LE(h, 23);
        EXPECT_LE(m, 59);
        EXPECT_LE(sec, 59);
    }
    EXPECT_EQ(FormatDuration(int64_t{86400} * 400 + 86399), "days: 400, 23:59:59");
}

TEST(FormatSpanTest, PercentCodes) {
    EXPECT_EQ(FormatSpan(90061, "%D|%H|%M|%S"), "1|01|01|01");
    EXPECT_EQ(FormatSpan(5, "100%%"), "100%");
    EXPECT_EQ(FormatSpan(5, "%%S"), "%S");
    EXPECT_EQ(FormatSpan(5, "a%xb%Yc"), "abc");  // unknown codes vanish with their '%'
    EXPECT_EQ(FormatSpan(5, "%S%"), "05");       // a lone trailing '%' is dropped too
    EXPECT_EQ(FormatSpan(5, "%"), "");
    EXPECT_EQ(FormatSpan(5, ""), "");
    EXPECT_EQ(FormatSpan(5, "%d %h %m %s"), "   ");  // codes are case-sensitive
    // negative spans give signed parts, each truncated toward zero
    EXPECT_EQ(FormatSpan(-90061, "%D %H:%M:%S"), "-1 -1:-1:-1");
}

TEST(FormatSpanTest, MultibyteCharactersAreCopiedWhole) {
    EXPECT_EQ(FormatSpan(3661, "\xC3\xA9t\xC3\xA9 %H\xE2\x80\xA2%M \xF0\x9F\x98\x80"),
              "\xC3\xA9t\xC3\xA9 01\xE2\x80\xA2"
              "01 \xF0\x9F\x98\x80");
    // '%' before a multibyte character drops the whole character, not one byte of it
    EXPECT_EQ(FormatSpan(1,
                         "a%\xE2\x82\xAC"
                         "b"),
              "ab");
    // long patterns grow the output beyond any first buffer
    const std::string wide(500, 'w');
    EXPECT_EQ(FormatSpan(7, wide + "%S"), wide + "07");
}

TEST(FormatClockTimeTest, LocalTimeOfTheInstant) {
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(FormatClockTime(0), "00:00:00");
    EXPECT_EQ(FormatClockTime(3661), "01:01:01");
    EXPECT_EQ(FormatClockTime(86399), "23:59:59");
    setenv("TZ", "UTC-2", 1);  // POSIX: two hours east of UTC
    tzset();
    EXPECT_EQ(FormatClockTime(3661), "03:01:01");
    setenv("TZ", "UTC", 1);
    tzset();
}

TEST(FormatClockTimeTest, UnconvertibleInstantGivesEmptyText) {
    EXPECT_EQ(FormatClockTime(INT64_MAX), "");
}

}  // namespace
