// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryTitles.h"

#include <QCoreApplication>
#include <QDate>

#include "core/CivilDay.h"

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("HistoryTitles", text);
}

}  // namespace

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
    return locale.toString(DateOf(day), QLocale::ShortFormat);
}

QString DaysOf(const QLocale& locale, int64_t firstDay, int64_t lastDay) {
    return Tr("Time per day from %1 to %2")
        .arg(ShortDay(locale, firstDay), ShortDay(locale, lastDay));
}

QString AverageDay(const QLocale& locale, int64_t firstDay, int64_t lastDay) {
    return Tr("An average day from %1 to %2: each hour's time divided by %3 days")
        .arg(ShortDay(locale, firstDay), ShortDay(locale, lastDay))
        .arg(lastDay - firstDay + 1);
}

QString HoursOf(const QLocale& locale, int64_t day) {
    return Tr("Time per hour on %1").arg(LongDay(locale, day));
}

}  // namespace HistoryTitles
