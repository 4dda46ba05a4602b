// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// The order a locale writes a date's parts in.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The locale's short date format with a two-digit year widened to four ("M/d/yy" becomes
// "M/d/yyyy", "dd.MM.yy" "dd.MM.yyyy"); a four-digit year stays.
QString FourDigitYearFormat(const QLocale& locale);

// The order of the locale's short date format; month first for the C locale, as always.
DateOrder LocaleDateOrder(const QLocale& locale);

// A date as the locale writes it in full ("8. Dezember 2026"); English and C keep the
// English page's "December 08, 2026".
QString PageDateText(const QLocale& locale, const QDate& date);
