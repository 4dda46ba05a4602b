// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FocusFrame.h"

#include <QPainter>

#include "controls/DevicePixels.h"

QColor FocusColour(const QColor& background, const QColor& preferred) {
    if (ContrastRatio(preferred, background) >= kFocusMinContrast) {
        return preferred;
    }
    const QColor black(Qt::black), white(Qt::white);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

void DrawFocusFrame(QPainter& painter, const QRect& frame, const QColor& background,
                    const QColor& preferred) {
    // Whole device pixels at any scale.
    const QColor colour = FocusColour(background, preferred);
    FillFrame(painter, frame, colour, colour);
}
