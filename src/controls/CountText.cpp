// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CountText.h"

#include <QCoreApplication>

QString CountText(const char* context, const char* plural, const char* one, int n) {
    const QString text = QCoreApplication::translate(context, plural, nullptr, n);
    const QString number = QString::number(n);
    if (n == 1 && text == QString::fromUtf8(plural).replace(QStringLiteral("%n"), number)) {
        return QString::fromUtf8(one).replace(QStringLiteral("%n"), number);
    }
    return text;
}
