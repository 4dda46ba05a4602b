// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

// The hue at lightness l, rounded to whole channels as it will be drawn.
QColor AtLightness(const QColor& colour, double l) {
    const QColor hsl = colour.toHsl();
    const QColor rgb =
        QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), std::clamp(l, 0.0, 1.0)).toRgb();
    return QColor(rgb.red(), rgb.green(), rgb.blue());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsLight(const QColor& background) {
    return ContrastRatio(background, Qt::black) >= ContrastRatio(background, Qt::white);
}

QColor Readable(const QColor& colour, const QColor& background, double ratio) {
    if (ContrastRatio(colour, background) >= ratio) {
        return colour;
    }
    // Lightness moves one way only; halving the step finds the nearest that reaches ratio.
    const bool lighter = !IsLight(background);
    double good = lighter ? 1.0 : 0.0;
    double bad = colour.toHsl().lightnessF();
    for (int i = 0; i < 16; ++i) {
        const double middle = (good + bad) / 2;
        (ContrastRatio(AtLightness(colour, middle), background) >= ratio ? good : bad) = middle;
    }
    const QColor found = AtLightness(colour, good);
    // A background halfway between black and white may allow no colour at all: the end.
    if (ContrastRatio(found, background) >= ratio) {
        return found;
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

QColor Mix(const QColor& from, const QColor& to, double f) {
    const QColor a = from.toRgb(), b = to.toRgb();
    // Truncated, as the menu's lightening always was.
    const auto channel = [f](int x, int y) { return static_cast<int>(x + f * (y - x)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

QColor GridLine(const QColor& described, const QColor& background, const QColor& text) {
    const QColor wanted = IsLight(background) ? described : Mix(background, text, 1 / 3.0);
    return Readable(wanted, background, kMarkContrast);
}
