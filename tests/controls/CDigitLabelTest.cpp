// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>

#include "ControlsTest.h"
#include "LocalInstant.h"
#include "controls/CDigitLabel.h"
#include "controls/ControlResources.h"
#include "core/IClock.h"

namespace {

using namespace ControlResources;

class SetClock : public IClock {
  public:
    int64_t Now() override { return now; }
    int64_t now = 0;
};

using CDigitLabelTest = ControlsTest;

TEST_F(CDigitLabelTest, ShowsTheStretchDigitsAndTheDate) {
    SetClock clock;
    clock.now = LocalInstant(2026, 12, 31, 23, 59, 59);
    CDigitLabel label(nullptr, &clock);
    ASSERT_EQ(label.Start(kClockBackground, kClockLargeDigits, kClockSmallDigits, true),
              CDigitLabel::kOk);
    EXPECT_EQ(label.size(), QSize(150, 72));

    struct Case {
        const char* text;
        const char* digits;
    };
    const Case cases[] = {
        {"__:__:07", "00 00 07"},
        {"01:02:03", "01 02 03"},
        {"days: 1, 02:03:04", "26 03 04"},  // total hours while they fit
        {"days: 5, 00:00:01", "99 59 59"},  // too many: the largest the display has
        {"short", "99 59 59"},              // refused
    };
    for (const Case& c : cases) {
        label.SetText(c.text);
        EXPECT_EQ(label.Digits(), c.digits) << c.text;
    }
    EXPECT_EQ(label.DateText(), "12-31-2026");

    clock.now += 1;  // the next feed after midnight shows the new day
    label.SetText("__:__:01");
    EXPECT_EQ(label.DateText(), "01-01-2027");

    // The picture shows it: the second's units cell holds the small strip's "1".
    const QImage shown = label.grab().toImage();
    const QImage strip(BitmapPath(kClockSmallDigits));
    EXPECT_EQ(shown.copy(134, 50, 12, 17).convertToFormat(QImage::Format_RGB32),
              strip.copy(12, 0, 12, 17).convertToFormat(QImage::Format_RGB32));
}

// The locale's order: day first in German and French, year first in Chinese; the year's
// digits stand in the first cells then, the month's after the first dash.
TEST_F(CDigitLabelTest, DateFollowsTheLocalesOrder) {
    const std::pair<const char*, const char*> cases[] = {
        {"C", "12-31-2026"},     {"en_US", "12-31-2026"}, {"de_DE", "31-12-2026"},
        {"fr_FR", "31-12-2026"}, {"zh_CN", "2026-12-31"}, {"ru_RU", "31-12-2026"},
    };
    SetClock clock;
    clock.now = LocalInstant(2026, 12, 31, 12, 0, 0);
    for (const auto& [locale, date] : cases) {
        CDigitLabel label(nullptr, &clock);
        label.Start(kClockBackground, kClockLargeDigits, kClockSmallDigits,
                    LocaleDateOrder(QLocale(QString::fromLatin1(locale))));
        EXPECT_EQ(label.DateText(), date) << locale;
    }
    EXPECT_EQ(FourDigitYearFormat(QLocale(QStringLiteral("en_US"))), "M/d/yyyy");
    CDigitLabel chinese(nullptr, &clock);
    chinese.Start(kClockBackground, kClockLargeDigits, kClockSmallDigits, DateOrder::YearMonthDay);
    const QImage shown = chinese.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage strip =
        QImage(BitmapPath(kClockSmallDigits)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(5, 5, 12, 17), strip.copy(2 * 12, 0, 12, 17));   // 2 of 2026
    EXPECT_EQ(shown.copy(71, 5, 12, 17), strip.copy(1 * 12, 0, 12, 17));  // 1 of 12
}

TEST_F(CDigitLabelTest, MissingPictureLeavesAPlainLabel) {
    CDigitLabel label;
    EXPECT_EQ(label.Start(kClockBackground, 9999, kClockSmallDigits, true),
              CDigitLabel::kLoadFailed);
    EXPECT_FALSE(label.IsStarted());
    label.SetText("01:02:03");
    EXPECT_TRUE(label.text().endsWith("01 02 03"));
    ASSERT_EQ(label.Start(kClockBackground, kClockLargeDigits, kClockSmallDigits, false),
              CDigitLabel::kOk);
    EXPECT_EQ(label.Start(9999, 9999, 9999, true), CDigitLabel::kOk);  // already started
}

}  // namespace
