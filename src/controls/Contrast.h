// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Contrast as WCAG measures it, for colours the program draws on the palette's colours.

// Text needs this much against its background, lines and marks this much.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kMarkContrast = 3.0;

// Between two opaque colours, 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// The colour itself where it gives at least ratio against background; else the colour of
// the same hue and saturation, lighter on a dark background and darker on a light one, that
// comes closest to it while giving ratio.
QColor Readable(const QColor& colour, const QColor& background, double ratio);

// The colour f (0..1) of the way from one colour to another.
QColor Mix(const QColor& from, const QColor& to, double f);

// Whether text on this background is dark: a light palette.
bool IsLight(const QColor& background);

// A grid line's colour: the described one on a light background, on a dark one the colour a
// third of the way from the background to the text (a light grey would glare there); either
// made to give 3:1.
QColor GridLine(const QColor& described, const QColor& background, const QColor& text);
