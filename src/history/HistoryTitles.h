// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <cstdint>

// The sentences that name what a History chart shows, dates written by the locale.
namespace HistoryTitles {

QString DaysOf(const QLocale& locale, int64_t firstDay, int64_t lastDay);
QString AverageDay(const QLocale& locale, int64_t firstDay, int64_t lastDay);
QString HoursOf(const QLocale& locale, int64_t day);
// A day as the locale writes it in full, e.g. in a tip.
QString LongDay(const QLocale& locale, int64_t day);
QString ShortDay(const QLocale& locale, int64_t day);
// A CivilDay number as a date, and back.
QDate DateOf(int64_t day);
int64_t DayOf(const QDate& date);

}  // namespace HistoryTitles
