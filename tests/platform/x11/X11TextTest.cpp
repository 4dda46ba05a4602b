// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/Utf8Text.h"
#include "platform/x11/X11Text.h"

namespace {

std::size_t CodePoints(const std::string& text) {
    std::size_t count = 0;
    for (const char ch : text) {
        count += (static_cast<unsigned char>(ch) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

TEST(X11TextTest, CutsByCharactersNeverInsideASequence) {
    std::string title;
    for (int i = 0; i < 150; ++i) {
        title += i % 2 == 0 ? "\xc3\xa9" : "\xe2\x82\xac";  // é and €
    }
    const std::string cut = CutValidUtf8(title, 99);
    EXPECT_EQ(CodePoints(cut), 99u);
    EXPECT_EQ(cut, title.substr(0, 50 * 2 + 49 * 3));

    EXPECT_EQ(CutValidUtf8("short", 99), "short");
    EXPECT_EQ(CutValidUtf8("", 99), "");
    EXPECT_EQ(CutValidUtf8("\xf0\x9f\x98\x80xyz", 2), "\xf0\x9f\x98\x80x");  // 4-byte emoji
}

TEST(X11TextTest, InvalidBytesBecomeReplacementCharacters) {
    const std::string replacement = "\xef\xbf\xbd";
    EXPECT_EQ(CutValidUtf8("a\xff"
                           "b",
                           99),
              "a" + replacement + "b");
    // A sequence cut short by the end of the property, an overlong form and a surrogate.
    EXPECT_EQ(CutValidUtf8("ab\xe2\x82", 99), "ab" + replacement + replacement);
    EXPECT_EQ(CutValidUtf8("\xc0\xaf", 99), replacement + replacement);
    EXPECT_EQ(CutValidUtf8("\xed\xa0\x80", 99), replacement + replacement + replacement);
    // Each replaced byte counts as one character.
    EXPECT_EQ(CodePoints(CutValidUtf8(std::string(150, '\xff'), 99)), 99u);
}

TEST(X11TextTest, StopsAtNul) {
    EXPECT_EQ(CutValidUtf8(std::string("one\0two", 7), 99), "one");
    EXPECT_EQ(X11Latin1ToUtf8(std::string("one\0two", 7), 99), "one");
}

TEST(X11TextTest, Latin1BecomesUtf8) {
    EXPECT_EQ(X11Latin1ToUtf8("Caf\xe9 \xa3"
                              "5",
                              99),
              "Caf\xc3\xa9 \xc2\xa3"
              "5");
    EXPECT_EQ(X11Latin1ToUtf8(std::string(150, '\xe9'), 99).size(), 99u * 2);
}

}  // namespace
