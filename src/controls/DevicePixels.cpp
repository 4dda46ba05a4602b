// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DevicePixels.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

QImage DeviceImage(QSize logical, qreal ratio, QImage::Format format) {
    const qreal r = ratio > 0 ? ratio : 1;
    QImage image(std::max(1, static_cast<int>(std::ceil(logical.width() * r))),
                 std::max(1, static_cast<int>(std::ceil(logical.height() * r))), format);
    image.setDevicePixelRatio(r);
    return image;
}

int RuleWidth(qreal ratio) {
    // A ratio a hair under 2 from a rounded screen size still means 200 %.
    return std::max(1, static_cast<int>(std::floor(ratio + 0.01)));
}

QPen RulePen(const QColor& colour, qreal ratio, Qt::PenStyle style) {
    QPen pen(colour, RuleWidth(ratio), style);
    pen.setCosmetic(true);
    return pen;
}

namespace {

qreal RuleOf(QPainter& painter) {
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1;
    return RuleWidth(ratio) / ratio;
}

}  // namespace

void FillRow(QPainter& painter, qreal left, qreal y, qreal width, const QColor& colour) {
    painter.fillRect(QRectF(left, y, width, RuleOf(painter)), colour);
}

void FillColumn(QPainter& painter, qreal x, qreal top, qreal height, const QColor& colour) {
    painter.fillRect(QRectF(x, top, RuleOf(painter), height), colour);
}

void FillFrame(QPainter& painter, const QRect& r, const QColor& topLeft,
               const QColor& bottomRight) {
    const qreal rule = RuleOf(painter);
    const QRectF rim(r);
    FillRow(painter, rim.left(), rim.top(), rim.width(), topLeft);
    FillColumn(painter, rim.left(), rim.top(), rim.height(), topLeft);
    FillRow(painter, rim.left(), rim.top() + rim.height() - rule, rim.width(), bottomRight);
    FillColumn(painter, rim.left() + rim.width() - rule, rim.top(), rim.height(), bottomRight);
}
