// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Translate.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(TranslateTest, PlaceholdersAreFilledInOnePass) {
    const struct {
        const char* pattern;
        std::vector<std::string> args;
        int n;
        const char* text;
    } cases[] = {
        {"%2 before %1", {"a", "b"}, -1, "b before a"},
        {"%1: %2", {"50%2", "x"}, -1, "50%2: x"},  // an argument's own '%' stays
        {"%1 and %3", {"a"}, -1, "a and %3"},      // no argument: the number stays
        {"%n of %1", {"ten"}, 3, "3 of ten"},
        {"%n stays", {}, -1, "%n stays"},
        {"%10 %0 100%", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, -1, "10 %0 100%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FillPlaceholders(c.pattern, c.args, c.n), c.text) << c.pattern;
    }
}

TEST(TranslateTest, TheInstalledTranslatorDecidesElseEnglish) {
    const char* one = "%n day with implausible values";
    const char* many = QT_TRANSLATE_N_NOOP("Test", "%n days with implausible values");
    EXPECT_EQ(TranslateCount("Test", many, one, 1), "1 day with implausible values");
    EXPECT_EQ(TranslateCount("Test", many, one, 2), "2 days with implausible values");
    // German, which knows only the file's text: the rest stays English.
    const TextTranslator previous = SetTextTranslator([](const char*, const char* source, int n) {
        if (std::strcmp(source, "cannot write %1: %2") == 0)
            return std::string("%1: %2 unschreibbar");
        if (std::strcmp(source, "%n days with implausible values") == 0) {
            return std::string(n == 1 ? "%n Tag" : "%n Tage");
        }
        return std::string();
    });
    EXPECT_EQ(Translate("Test", "cannot write %1: %2", {"a.csv", "voll"}),
              "a.csv: voll unschreibbar");
    EXPECT_EQ(TranslateCount("Test", many, one, 1), "1 Tag");
    EXPECT_EQ(Translate("Test", "unknown %1", {"x"}), "unknown x");
    SetTextTranslator(previous);
}

}  // namespace
