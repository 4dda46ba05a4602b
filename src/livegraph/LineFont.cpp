// SPDX-License-Identifier: GPL-3.0-or-later
#include "livegraph/LineFont.h"

#include <QFontMetrics>
#include <algorithm>

QFont LineFont(int pixels) {
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    const int wanted = std::max(1, pixels);
    // A line is never shorter than the em, so counting down from it ends soon.
    for (int size = wanted; size > 1; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        // The underscore may sit under the descent line in some faces.
        const int bottom =
            std::max(metrics.descent(), metrics.underlinePos() + metrics.lineWidth());
        if (metrics.ascent() + bottom <= wanted) {
            return font;
        }
    }
    font.setPixelSize(1);
    return font;
}
