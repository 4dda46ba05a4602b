// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FocusFrame.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor FocusColour(const QColor& background, const QColor& preferred) {
    if (ContrastRatio(preferred, background) >= kFocusMinContrast) {
        return preferred;
    }
    const QColor black(Qt::black), white(Qt::white);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

void DrawFocusFrame(QPainter& painter, const QRect& frame, const QColor& background,
                    const QColor& preferred) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(FocusColour(background, preferred));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.restore();
}
