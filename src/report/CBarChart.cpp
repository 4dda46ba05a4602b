// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CBarChart.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cmath>

#include "controls/Contrast.h"
#include "controls/DevicePixels.h"
#include "controls/FittedFont.h"

namespace {

constexpr double kDegreesToRadians = 0.017452006980802792;
// The 8-point dialog font's line at 96 dpi, which the described pixel sizes go with.
constexpr double kDialogLine = 13;
// Below this (in described pixels) the five rows' names and the items' names run together.
constexpr QSize kLegible(540, 260);

const std::array<QColor, 20> kPalette = {
    QColor(0, 128, 255),  QColor(225, 150, 0),   QColor(60, 196, 90),   QColor(128, 128, 255),
    QColor(128, 128, 0),  QColor(128, 64, 64),   QColor(28, 255, 255),  QColor(225, 128, 0),
    QColor(128, 0, 255),  QColor(0, 255, 128),   QColor(252, 53, 18),   QColor(252, 199, 75),
    QColor(187, 252, 37), QColor(248, 232, 241), QColor(121, 131, 253), QColor(146, 52, 20),
    QColor(132, 125, 51), QColor(128, 194, 95),  QColor(7, 115, 120),   QColor(2, 15, 168)};

// steps of 255 of the way from one colour to another: the walls between background and text.
QColor Between(const QColor& from, const QColor& to, int steps) {
    const auto channel = [steps](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * steps / 255.0));
    };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

int Trunc(double value) {
    return static_cast<int>(value);
}

}  // namespace

CBarChart::CBarChart() : surface_(1, 1, QImage::Format_RGB32) {
    surface_.fill(background_);
    SetFont(QFont());
}

QColor CBarChart::Darker(QColor colour) {
    return QColor(std::max(colour.red() - 70, 0), std::max(colour.green() - 70, 0),
                  std::max(colour.blue() - 70, 0));
}

QColor CBarChart::Lighter(QColor colour) {
    const auto up = [](int channel) { return channel > 184 ? 255 : channel + 70; };
    return QColor(up(colour.red()), up(colour.green()), up(colour.blue()));
}

void CBarChart::SetData(const ChartData& data) {
    ChartData checked = data;
    ValidateChartLayout(checked);
    top_ = checked.topMargin;
    bottom_ = checked.bottomMargin;
    left_ = checked.leftMargin;
    right_ = checked.rightMargin;
    angle_ = checked.angleDegrees * kDegreesToRadians;
    ratio_ = checked.ratio;
    title_ = QString::fromStdString(checked.title);

    const int seriesCount = std::min<int>({static_cast<int>(checked.series.size()),
                                           static_cast<int>(checked.values.size()), kMaxSeries});
    const int itemCount = std::min<int>(static_cast<int>(checked.items.size()), kMaxItems);
    values_.assign(seriesCount, std::vector<int32_t>(itemCount, 0));
    series_.clear();
    colours_.clear();
    for (int s = 0; s < seriesCount; ++s) {
        const auto& row = checked.values[s];
        std::copy_n(row.begin(), std::min<size_t>(row.size(), itemCount), values_[s].begin());
        series_.append(QString::fromStdString(checked.series[s]));
        colours_.push_back(static_cast<size_t>(s) < checked.colours.size()
                               ? QColor::fromRgb(checked.colours[s])
                               : kPalette[s % kPalette.size()]);
    }
    items_.clear();
    for (int i = 0; i < itemCount; ++i) {
        items_.append(QString::fromStdString(checked.items[i]));
    }
    hasData_ = true;
    Redraw();
}

void CBarChart::SetClientSize(QSize size) {
    if (size == client_) {
        return;
    }
    client_ = size;
    Redraw();
}

void CBarChart::SetRatio(qreal ratio) {
    if (ratio <= 0 || ratio == pixelRatio_) {
        return;
    }
    pixelRatio_ = ratio;
    Redraw();
}

void CBarChart::SetColours(const QColor& background, const QColor& text) {
    if (background == background_ && text == line_) {
        return;
    }
    // The described walls, 48 and 145 steps from white towards black, between any two.
    background_ = background;
    line_ = text;
    wall_ = Between(background, text, 48);
    sideWall_ = Between(background, text, 145);
    Redraw();
}

void CBarChart::SetFont(const QFont& font) {
    font_ = font;
    textScale_ = std::clamp(FontPixels(font) / kDialogLine, 0.75, 4.0);
    Redraw();
}

int CBarChart::Scaled(double pixels) const {
    return static_cast<int>(std::lround(pixels * textScale_));
}

QFont CBarChart::TextFont(double pixels) const {
    // The described height is the whole line, as the live graph sizes its texts.
    return FittedFont(font_, Scaled(pixels));
}

QSize CBarChart::LegibleSize() const {
    return QSize(Scaled(kLegible.width()), Scaled(kLegible.height()));
}

QImage CBarChart::Picture() const {
    if (pixelRatio_ == 1 && background_ == QColor(Qt::white) && line_ == QColor(Qt::black)) {
        return surface_;
    }
    CBarChart light = *this;
    light.pixelRatio_ = 1;
    light.background_ = Qt::white;
    light.line_ = Qt::black;
    light.wall_ = Between(Qt::white, Qt::black, 48);
    light.sideWall_ = Between(Qt::white, Qt::black, 145);
    light.Redraw();
    return light.surface_;
}

void CBarChart::Redraw() {
    surface_ = DeviceImage(client_, pixelRatio_);
    surface_.fill(background_);
    itemBoxes_.clear();
    // Before the first data nothing of the layout is defined: the chart stays plain.
    if (!hasData_) {
        return;
    }
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    Layout(painter);
    DrawBox(painter);
    DrawTitle(painter);
    DrawBars(painter);
}

void CBarChart::Layout(QPainter& painter) {
    int32_t largest = 0;
    for (const auto& row : values_) {
        for (const int32_t value : row) {
            largest = std::max(largest, value);
        }
    }
    painter.setFont(TextFont(16));
    const QFontMetrics metrics = painter.fontMetrics();
    const int labelWidth = metrics.horizontalAdvance(QString::number(largest) + "000");
    // The widest name, not the one of most characters: a Chinese one is wider than its count.
    nameWidth_ = 0;
    for (const QString& name : series_) {
        nameWidth_ = std::max(nameWidth_, metrics.horizontalAdvance(name));
    }

    plotTop_ = top_ + Scaled(40);
    plotBottom_ = client_.height() - bottom_ - Scaled(20);
    plotLeft_ = left_ + labelWidth;
    plotRight_ = client_.width() - right_ - nameWidth_;

    const int w = plotRight_ - plotLeft_;
    const int h = plotBottom_ - plotTop_;
    const double sine = std::sin(angle_);
    const double cosine = std::cos(angle_);
    frontWidth_ = Trunc(w / (cosine * ratio_ + 1));
    depth_ = Trunc(frontWidth_ * ratio_);
    frontHeight_ = Trunc(h - sine * depth_);
    // A deep box in a flat pane: a third of the height at most, and the box centred.
    if (3 * depth_ * sine > h) {
        depth_ = Trunc((h / 3) / sine);
        frontWidth_ = Trunc(depth_ / ratio_);
        frontHeight_ = Trunc(h - depth_ * sine);
        const int shift = (w - Trunc(depth_ * cosine + frontWidth_)) / 2;
        plotLeft_ += shift;
        plotRight_ -= shift;
    }
    scale_ = ComputeChartScale(largest);
}

void CBarChart::DrawBox(QPainter& painter) {
    if (!(plotTop_ + 5 < plotBottom_) || !(plotLeft_ < plotRight_ - frontWidth_ - 2) ||
        plotRight_ - 5 < plotLeft_) {
        return;
    }
    const double sine = std::sin(angle_);
    const double cosine = std::cos(angle_);
    const int backLeft = plotLeft_ + Trunc(depth_ * cosine);
    const int backBottom = plotBottom_ - Trunc(depth_ * sine);

    // Back wall; the outline covers the right and bottom edges exclusively, as a GDI
    // rectangle does.
    const QPen rule = RulePen(line_, pixelRatio_);
    painter.setPen(RulePen(background_, pixelRatio_));
    painter.setBrush(wall_);
    const QRect back(QPoint(backLeft, backBottom - frontHeight_ - 1),
                     QPoint(backLeft + frontWidth_ + 1, backBottom - 1));
    painter.drawRect(back.adjusted(0, 0, -1, -1));

    // Side wall.
    painter.setPen(RulePen(sideWall_, pixelRatio_));
    painter.setBrush(sideWall_);
    painter.drawPolygon(QPolygon({QPoint(plotLeft_, plotBottom_),
                                  QPoint(plotRight_ - frontWidth_, plotTop_ + frontHeight_),
                                  QPoint(plotRight_ - frontWidth_, plotTop_),
                                  QPoint(plotLeft_, plotBottom_ - frontHeight_)}));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(rule);
    painter.drawPolyline(
        QPolygon({QPoint(plotLeft_, plotBottom_), QPoint(plotLeft_ + frontWidth_, plotBottom_),
                  QPoint(plotRight_, plotTop_ + frontHeight_), QPoint(plotRight_, plotTop_),
                  QPoint(plotRight_ - frontWidth_, plotTop_),
                  QPoint(plotLeft_, plotBottom_ - frontHeight_), QPoint(plotLeft_, plotBottom_)}));

    const int gap = frontHeight_ / scale_.steps;
    painter.setPen(RulePen(line_, pixelRatio_, Qt::DashLine));
    painter.setBackgroundMode(Qt::TransparentMode);
    for (int i = 1; i < scale_.steps; ++i) {
        const int y = backBottom - gap * i;
        painter.drawLine(backLeft, y, plotRight_ - 1, y);
        painter.drawLine(backLeft, y, plotLeft_ + 1, plotBottom_ - gap * i);
    }

    painter.setPen(rule);
    painter.setFont(TextFont(16));
    const int tick = Scaled(8);
    for (int i = 0; i <= scale_.steps; ++i) {
        const int y = plotBottom_ - gap * i;
        painter.drawLine(plotLeft_ + 1, y, plotLeft_ - tick, y);
        const QRect box(QPoint(plotLeft_ - nameWidth_ - tick, y - tick),
                        QPoint(plotLeft_ - tick, y + tick));
        painter.drawText(box,
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                         QString::number(int64_t{i} * scale_.step));
    }
}

void CBarChart::DrawTitle(QPainter& painter) {
    painter.setPen(line_);
    painter.setFont(TextFont(28));
    const QRect band(QPoint(0, plotTop_ - Scaled(40)), QPoint(client_.width(), plotTop_));
    painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, title_);
}

void CBarChart::DrawBars(QPainter& painter) {
    const int n = static_cast<int>(series_.size());
    const int m = static_cast<int>(items_.size());
    if (plotRight_ - 5 < plotLeft_ || !(plotTop_ + 5 < plotBottom_) || n == 0 || m == 0) {
        return;
    }
    const double sine = std::sin(angle_);
    const double cosine = std::cos(angle_);
    const int backLeft = plotLeft_ + Trunc(depth_ * cosine);
    const int backBottom = plotBottom_ - Trunc(depth_ * sine);

    const int rowDepth = depth_ / n;
    const int rowRise = Trunc(sine * rowDepth);
    const int rowShift = Trunc(rowDepth * cosine);
    const int barUnit = frontWidth_ / (2 * m);
    const int spare = frontWidth_ - 2 * m * barUnit;
    const int riseCorrection = (Trunc(sine * depth_ - n * rowRise) - 1) / n + 1;
    const int64_t maximum = std::max<int32_t>(scale_.maximum, 1);

    painter.setBackgroundMode(Qt::TransparentMode);
    int rowX = backLeft;
    int rowY = backBottom;
    // Back to front, so nearer rows cover farther ones.
    for (int s = n - 1; s >= 0; --s) {
        const bool front = s == 0;
        // A bar must stand out from the background: 3:1, as any mark.
        const QColor colour = Readable(colours_[s], background_, kMarkContrast);
        const QColor side = Darker(colour);
        const QColor top = Lighter(colour);
        int x = rowX + barUnit / 2;
        for (int k = 0; k < m; ++k) {
            const int extra = spare - 1 - k >= 0 ? (spare - 1 - k) / m + 1 : 0;
            const int width = barUnit + extra;
            const int height =
                static_cast<int>(int64_t{std::max(values_[s][k], 0)} * frontHeight_ / maximum);
            const int left = x - rowShift;
            const int bottom = front ? plotBottom_ : rowY + rowRise;
            const int topY = rowY + rowRise + riseCorrection - height;
            // A zero bar has no faces at all.
            if (height > 0 && width > 0 && topY <= bottom) {
                painter.fillRect(QRect(left, topY, width, bottom - topY + 1), colour);
                const int right = left + width;
                painter.setPen(RulePen(side, pixelRatio_));
                painter.setBrush(side);
                painter.drawPolygon(QPolygon({QPoint(right, bottom), QPoint(right, topY),
                                              QPoint(right + rowShift, topY - rowRise),
                                              QPoint(right + rowShift, bottom - rowRise)}));
                painter.setPen(RulePen(top, pixelRatio_));
                painter.setBrush(top);
                painter.drawPolygon(QPolygon({QPoint(left, topY - 1), QPoint(right - 1, topY - 1),
                                              QPoint(right - 1 + rowShift, topY - 1 - rowRise),
                                              QPoint(left + rowShift, topY - 1 - rowRise)}));
            }
            if (front) {
                painter.setPen(line_);
                painter.setFont(TextFont(12));
                const QRect box(QPoint(left - barUnit / 2, plotBottom_ + Scaled(8)),
                                QPoint(left + barUnit + barUnit / 2, plotBottom_ + Scaled(20)));
                itemBoxes_.push_back(box);
                // Each name keeps to its box, so long names neither overlap nor leave the
                // picture; only sideways: descenders may pass the box's bottom.
                painter.save();
                painter.setClipRect(QRect(box.left(), 0, box.width(), client_.height()));
                painter.drawText(
                    box,
                    Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                    painter.fontMetrics().elidedText(items_[k], Qt::ElideRight, box.width()));
                painter.restore();
            }
            x += width + barUnit;
        }
        const int rowEnd = x;
        painter.setPen(RulePen(line_, pixelRatio_));
        painter.drawLine(rowEnd - barUnit / 2, rowY, rowEnd - barUnit / 2 + Scaled(8), rowY);
        painter.setPen(line_);
        painter.setFont(TextFont(12));
        const int nameLeft = Trunc(rowEnd - 0.75 * barUnit);
        const QRect nameBox(QPoint(nameLeft + Scaled(16), rowY + rowRise / 2 - Scaled(4)),
                            QPoint(nameLeft + Scaled(300), rowY + rowRise / 2 + Scaled(8)));
        painter.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         series_[s]);
        // The next row stands one row depth nearer; computed from the back corner so the
        // truncations do not add up.
        const double step = static_cast<double>(depth_) / n * (n - s);
        rowX = Trunc(backLeft - cosine * step);
        rowY = Trunc(backBottom + sine * step + riseCorrection);
    }
}
