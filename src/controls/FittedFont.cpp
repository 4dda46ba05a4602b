// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FittedFont.h"

#include <QFontMetrics>
#include <algorithm>

QFont FittedFont(QFont face, int pixels) {
    const int wanted = std::max(1, pixels);
    // A line is never shorter than the em, so counting down from it ends soon.
    for (int size = wanted; size > 1; --size) {
        face.setPixelSize(size);
        const QFontMetrics metrics(face);
        // The underscore may sit under the descent line in some faces.
        const int bottom =
            std::max(metrics.descent(), metrics.underlinePos() + metrics.lineWidth());
        if (metrics.ascent() + bottom <= wanted) {
            return face;
        }
    }
    face.setPixelSize(1);
    return face;
}

int FontPixels(const QFont& font) {
    return QFontMetrics(font).height();
}
