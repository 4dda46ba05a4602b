// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "DbTestSupport.h"
#include "db/DbText.h"

TEST(QuoteSqlText, KeepsQuotesAsTypedAndCutsTo255Characters) {
    EXPECT_EQ(QuoteSqlText("O'Hare.exe"), "O'Hare.exe");
    EXPECT_EQ(QuoteSqlText(std::string(300, 'a')), std::string(255, 'a'));
    // Quotes are not doubled, so 255 typed quotes all survive.
    EXPECT_EQ(QuoteSqlText(std::string(300, '\'')), std::string(255, '\''));
}

TEST(QuoteSqlText, CutsOnACharacterBoundary) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += "\xC3\xA9";  // é, two bytes
    const std::string cut = QuoteSqlText(text);
    EXPECT_EQ(cut.size(), 255u * 2);
    EXPECT_EQ(cut, text.substr(0, 510));

    const std::string mixed = std::string(254, 'x') + "\xE2\x82\xAC" + "tail";  // euro sign
    EXPECT_EQ(QuoteSqlText(mixed), std::string(254, 'x') + "\xE2\x82\xAC");
}

TEST(FormatDbDate, WritesTheLocalDay) {
    EXPECT_EQ(FormatDbDate(LocalInstant(2026, 12, 6, 0, 0, 0)), "2026-12-06");
    EXPECT_EQ(FormatDbDate(LocalInstant(2026, 12, 6, 23, 59, 59)), "2026-12-06");
    EXPECT_EQ(FormatDbDate(LocalInstant(2027, 1, 1, 0, 0, 0)), "2027-01-01");
    EXPECT_EQ(FormatDbDate(LocalInstant(203, 1, 1)), "0203-01-01");
    // Days written this way compare as days.
    EXPECT_LT(FormatDbDate(LocalInstant(2026, 9, 30)), FormatDbDate(LocalInstant(2026, 10, 1)));
}
