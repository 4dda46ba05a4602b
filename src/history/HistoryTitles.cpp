// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryTitles.h"

#include <QCoreApplication>
#include <QDate>

#include "controls/CountText.h"
#include "controls/DateFormats.h"
#include "core/CivilDay.h"

namespace {}  // namespace

namespace HistoryTitles {

QDate DateOf(int64_t day) {
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
    CivilDate(day, year, month, dayOfMonth);
    return QDate(year, month, dayOfMonth);
}

int64_t DayOf(const QDate& date) {
    return DayNumber(date.year(), date.month(), date.day());
}

QString LongDay(const QLocale& locale, int64_t day) {
    return locale.toString(DateOf(day), QLocale::LongFormat);
}

QString ShortDay(const QLocale& locale, int64_t day) {
    return locale.toString(DateOf(day), FourDigitYearFormat(locale));
}

QString DaysOf(const QLocale& locale, int64_t firstDay, int64_t lastDay) {
    return QCoreApplication::translate("HistoryTitles", "Time per day from %1 to %2")
        .arg(ShortDay(locale, firstDay), ShortDay(locale, lastDay));
}

QString AverageDay(const QLocale& locale, int64_t firstDay, int64_t lastDay) {
    return CountText("HistoryTitles",
                     QT_TRANSLATE_N_NOOP("HistoryTitles",
                                         "An average day from %1 to %2: each "
                                         "hour's time divided by %n days"),
                     "An average day from %1 to %2: each hour's time divided by %n day",
                     static_cast<int>(lastDay - firstDay + 1))
        .arg(ShortDay(locale, firstDay), ShortDay(locale, lastDay));
}

QString HoursOf(const QLocale& locale, int64_t day) {
    return QCoreApplication::translate("HistoryTitles", "Time per hour on %1")
        .arg(LongDay(locale, day));
}

}  // namespace HistoryTitles
