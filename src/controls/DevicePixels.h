// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPen>
#include <QRect>
#include <QSize>

class QPainter;

// Drawing at the screen's own pixels: composed images are the widget's size times its device
// pixel ratio, with the ratio set so painters keep to the widget's coordinates.

// An image of logical size times ratio (at least one pixel), ratio set, not filled.
QImage DeviceImage(QSize logical, qreal ratio, QImage::Format format = QImage::Format_RGB32);

// A one-pixel rule in whole device pixels: 1 up to 199 %, 2 from 200 %; never smeared over
// two at 125 % or 150 %.
int RuleWidth(qreal ratio);
// A solid pen of that many device pixels whatever the painter's scale.
QPen RulePen(const QColor& colour, qreal ratio, Qt::PenStyle style = Qt::SolidLine);

// A frame one rule thick along the inside of r, filled as whole device pixels of the
// painter's device: top and left in one colour, then bottom and right in the other.
void FillFrame(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight);
// A rule along the top of the logical row y (or the left of column x), in device pixels.
void FillRow(QPainter& painter, qreal left, qreal y, qreal width, const QColor& colour);
void FillColumn(QPainter& painter, qreal x, qreal top, qreal height, const QColor& colour);
