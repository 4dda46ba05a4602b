// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

#include "controls/Contrast.h"

class QPainter;

// The keyboard focus of the controls we draw ourselves: a one-pixel frame inside the
// control, in a colour that stands out at least 3:1 from the face under it.
constexpr double kFocusMinContrast = 3.0;

// preferred where it stands out enough from background, else black or white, whichever
// stands out more.
QColor FocusColour(const QColor& background, const QColor& preferred);
void DrawFocusFrame(QPainter& painter, const QRect& frame, const QColor& background,
                    const QColor& preferred);
