// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DateFormats.h"

#include <QDate>
#include <QRegularExpression>

QString FourDigitYearFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // A run of exactly two y's outside quotes; quoted text is copied as it is.
    static const QRegularExpression kParts(QStringLiteral("'[^']*'|y+|[^'y]+"));
    QString widened;
    for (auto it = kParts.globalMatch(format); it.hasNext();) {
        const QString part = it.next().captured();
        widened += part == QStringLiteral("yy") ? QStringLiteral("yyyy") : part;
    }
    return widened.isEmpty() ? format : widened;
}

DateOrder LocaleDateOrder(const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        return DateOrder::MonthDayYear;
    }
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(u'd');
    const qsizetype month = format.indexOf(u'M');
    const qsizetype year = format.indexOf(u'y');
    if (year >= 0 && (month < 0 || year < month) && (day < 0 || year < day)) {
        return DateOrder::YearMonthDay;
    }
    if (day >= 0 && (month < 0 || day < month)) {
        return DateOrder::DayMonthYear;
    }
    return DateOrder::MonthDayYear;
}

QString PageDateText(const QLocale& locale, const QDate& date) {
    if (locale.language() == QLocale::C || locale.language() == QLocale::English) {
        return locale.toString(date, QStringLiteral("MMMM dd, yyyy"));
    }
    return locale.toString(date, QLocale::LongFormat);
}
