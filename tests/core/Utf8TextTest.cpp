// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "core/Utf8Text.h"

namespace {

TEST(Utf8TextTest, ValidUtf8ReplacesEveryBrokenByte) {
    const std::string r = "\xEF\xBF\xBD";  // U+FFFD
    const struct {
        std::string text;
        std::string valid;
    } cases[] = {
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"\xE2\x82-\xC3", r + r + "-" + r},   // cut short, inside and at the end
        {"\xC0\xAF", r + r},                  // overlong '/'
        {"\xED\xA0\x80", r + r + r},          // surrogate
        {"\xF4\x90\x80\x80", r + r + r + r},  // beyond U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValidUtf8(c.text), c.valid) << c.text;
    }
}

TEST(Utf8TextTest, ShownTextAlsoReplacesControlCharacters) {
    const std::string r = "\xEF\xBF\xBD";
    EXPECT_EQ(ShownText("a\nb\x1B[2J\x7F\xC2\x9B\xC2\xA0\xFF"),
              "a" + r + "b" + r + "[2J" + r + r + "\xC2\xA0" + r);
}

TEST(Utf8TextTest, TerminalColumnsCountWideCharactersTwice) {
    EXPECT_EQ(TerminalColumns("--to JJJJ-MM-TT"), 15u);
    EXPECT_EQ(TerminalColumns("\xD0\x93\xD0\x93-\xC3\xA9"), 4u);             // Cyrillic, Latin
    EXPECT_EQ(TerminalColumns("\xE6\x96\x87\xE4\xBB\xB6\xEF\xBC\x9A"), 6u);  // 文件：
}

}  // namespace
