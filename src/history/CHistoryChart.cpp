// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/CHistoryChart.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <utility>

#include "controls/Contrast.h"
#include "controls/DevicePixels.h"
#include "core/CivilDay.h"
#include "history/CHistoryColours.h"
#include "history/CHistoryModel.h"
#include "history/HistoryTitles.h"
#include "livegraph/LineFont.h"

namespace {

using HistoryTitles::DateOf;

constexpr int kMargin = 6;
constexpr int kTitlePixels = 16;
constexpr int kLabelPixels = 13;
constexpr int kSwatch = 10;
const QColor kAxis(64, 64, 64);
const QColor kGrid(224, 224, 224);
const QColor kWeekGrid(200, 200, 208);
const QColor kSelection(221, 235, 255);
const QColor kSelectionFrame(48, 112, 192);

// The locale's short date without its year: day and month in the locale's order.
QString DayMonthFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression kYear(QStringLiteral("[^dMy]*y+[^dMy]*"));
    const QRegularExpressionMatch match = kYear.match(format);
    if (match.hasMatch()) {
        // Keep one separator when the year sat between day and month.
        const bool inside = match.capturedStart() > 0 && match.capturedEnd() < format.size();
        QString separator = match.captured().remove(QLatin1Char('y'));
        format.replace(match.capturedStart(), match.capturedLength(),
                       inside ? separator.left(separator.size() / 2 + 1) : QString());
    }
    return format.isEmpty() ? QStringLiteral("d.M") : format;
}

// The steps an axis of seconds may take: round minutes and hours.
double AxisStep(double largest, int most) {
    static const double kSteps[] = {60,     120,    300,     600,     900,    1800,  3600,
                                    7200,   10800,  14400,   21600,   43200,  86400, 172800,
                                    432000, 864000, 1728000, 4320000, 8640000};
    for (const double step : kSteps) {
        // Over two hours the axis counts in hours: "420 min" reads worse than "7 h".
        if (largest >= 7200 && step < 3600) {
            continue;
        }
        if (largest / step <= most) {
            return step;
        }
    }
    return std::ceil(largest / most / 8640000.0) * 8640000.0;
}

QString AxisText(double seconds, double step) {
    if (step < 3600) {
        return QCoreApplication::translate("CHistoryChart", "%1 min")
            .arg(static_cast<qlonglong>(std::llround(seconds / 60)));
    }
    return QCoreApplication::translate("CHistoryChart", "%1 h")
        .arg(static_cast<qlonglong>(std::llround(seconds / 3600)));
}

}  // namespace

HistoryChartData CHistoryChart::FromModel(const CHistoryModel& history, CHistoryColours& colours,
                                          const QString& title, double divisor) {
    HistoryChartData data;
    const HistoryQuery& query = history.Query();
    data.hours = query.by == HistoryBy::Hour;
    data.firstDay = query.firstDay;
    data.columns = data.hours ? 24 : static_cast<int>(std::max<int64_t>(query.Days(), 0));
    data.title = title;
    data.emptyText =
        QCoreApplication::translate("CHistoryChart", "Nothing was used in these days.");
    const std::vector<HistoryRow>& rows = history.Rows();
    const size_t top = std::min<size_t>(rows.size(), kTopSeries);
    std::vector<std::string> names;
    for (size_t i = 0; i < top; ++i) {
        names.push_back(rows[i].name);
    }
    const std::vector<int> assigned = colours.Assign(names);
    const double by = divisor > 0 ? divisor : 1;
    const auto values = [&](const HistoryRow& row, std::vector<double>& into) {
        for (size_t c = 0; c < into.size() && c < row.values.size(); ++c) {
            into[c] += static_cast<double>(row.values[c]) / by;
        }
    };
    for (size_t i = 0; i < top; ++i) {
        HistoryChartSeries series;
        series.name = QString::fromStdString(ShownRowName(query.mode, rows[i].name));
        series.colour = QColor::fromRgb(CHistoryColours::Colour(assigned[i]));
        series.values.assign(static_cast<size_t>(data.columns), 0);
        values(rows[i], series.values);
        data.series.push_back(std::move(series));
    }
    if (rows.size() > top) {
        HistoryChartSeries other;
        other.name = QCoreApplication::translate("CHistoryChart", "Other");
        other.colour = QColor::fromRgb(CHistoryColours::kOther);
        other.values.assign(static_cast<size_t>(data.columns), 0);
        for (size_t i = top; i < rows.size(); ++i) {
            values(rows[i], other.values);
        }
        data.series.push_back(std::move(other));
    }
    return data;
}

CHistoryChart::CHistoryChart(QLocale locale) : locale_(std::move(locale)) {
    Redraw();
}

void CHistoryChart::SetData(HistoryChartData data) {
    data_ = std::move(data);
    for (HistoryChartSeries& series : data_.series) {
        series.values.resize(static_cast<size_t>(std::max(data_.columns, 0)));
    }
    if (selected_ >= data_.columns) {
        selected_ = -1;
    }
    Redraw();
}

void CHistoryChart::SetSize(QSize size) {
    const QSize bounded = size.expandedTo(QSize(1, 1));
    if (bounded == size_ && !image_.isNull()) {
        return;
    }
    size_ = bounded;
    Redraw();
}

void CHistoryChart::SetRatio(qreal ratio) {
    if (ratio <= 0 || ratio == ratio_) {
        return;
    }
    ratio_ = ratio;
    Redraw();
}

void CHistoryChart::SetColours(const QColor& base, const QColor& text, const QColor& highlight) {
    base_ = base;
    text_ = text;
    highlight_ = highlight;
    Redraw();
}

QImage CHistoryChart::SavedImage() const {
    if (ratio_ == 1 && base_ == QColor(Qt::white) && text_ == QColor(Qt::black) &&
        !highlight_.isValid()) {
        return image_;
    }
    CHistoryChart light = *this;
    light.ratio_ = 1;
    light.base_ = Qt::white;
    light.text_ = Qt::black;
    light.highlight_ = QColor();
    light.Redraw();
    return light.image_;
}

void CHistoryChart::SetSelected(int column) {
    const int wanted = column >= 0 && column < data_.columns ? column : -1;
    if (wanted == selected_) {
        return;
    }
    selected_ = wanted;
    Redraw();
}

double CHistoryChart::ColumnTotal(int column) const {
    double total = 0;
    if (column < 0 || column >= data_.columns) {
        return total;
    }
    for (const HistoryChartSeries& series : data_.series) {
        total += std::max(series.values[static_cast<size_t>(column)], 0.0);
    }
    return total;
}

QRect CHistoryChart::ColumnSlot(int column) const {
    if (column < 0 || column >= data_.columns || plot_.width() <= 0) {
        return {};
    }
    const int64_t width = plot_.width();
    const int left = plot_.left() + static_cast<int>(column * width / data_.columns);
    const int right = plot_.left() + static_cast<int>((column + 1) * width / data_.columns);
    return QRect(QPoint(left, plot_.top()), QPoint(std::max(right - 1, left), plot_.bottom()));
}

int CHistoryChart::ColumnAt(QPoint point) const {
    if (data_.columns <= 0 || plot_.width() <= 0 || point.y() < plot_.top() ||
        point.y() > plot_.bottom() + QFontMetrics(LineFont(kLabelPixels)).height() ||
        point.x() < plot_.left() || point.x() > plot_.right()) {
        return -1;
    }
    const int64_t offset = point.x() - plot_.left();
    return std::clamp(static_cast<int>(offset * data_.columns / plot_.width()), 0,
                      data_.columns - 1);
}

void CHistoryChart::DrawText(QPainter& painter, const QRect& box, int flags, const QString& text) {
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, flags, shown);
    texts_.push_back({box, shown});
}

void CHistoryChart::Redraw() {
    image_ = DeviceImage(size_, ratio_);
    image_.fill(base_);
    texts_.clear();
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // The described colours where they stand out from the background, else adjusted.
    const QColor text = Readable(text_, base_, kTextContrast);
    const QColor axis = Readable(kAxis, base_, kMarkContrast);
    const QColor grid = GridLine(kGrid, base_, text);
    const QColor weekGrid = GridLine(kWeekGrid, base_, text);
    const QColor selectionFrame = Readable(kSelectionFrame, base_, kMarkContrast);
    const QColor selection =
        IsLight(base_) || !highlight_.isValid() ? kSelection : Mix(highlight_, base_, 0.7);
    const QColor quiet = Readable(QColor(96, 96, 96), base_, kTextContrast);

    const QFont titleFont = LineFont(kTitlePixels);
    const QFont labelFont = LineFont(kLabelPixels);
    const int titleHeight = QFontMetrics(titleFont).height();
    const int labelHeight = QFontMetrics(labelFont).height();
    const QRect room = QRect(QPoint(0, 0), size_).adjusted(kMargin, kMargin, -kMargin, -kMargin);

    painter.setFont(titleFont);
    painter.setPen(text);
    DrawText(painter, QRect(room.left(), room.top(), room.width(), titleHeight),
             Qt::AlignLeft | Qt::AlignVCenter, data_.title);

    // The legend takes the right side, at most a third of the width.
    painter.setFont(labelFont);
    const QFontMetrics metrics(labelFont);
    int legendWidth = 0;
    for (const HistoryChartSeries& series : data_.series) {
        legendWidth = std::max(legendWidth, metrics.horizontalAdvance(series.name));
    }
    if (!data_.series.empty()) {
        legendWidth = std::min(legendWidth + kSwatch + 3 * kMargin, room.width() / 3);
    }

    // The value axis: round minutes or hours, a label for every line.
    double largest = 0;
    for (int c = 0; c < data_.columns; ++c) {
        largest = std::max(largest, ColumnTotal(c));
    }
    const int top = room.top() + titleHeight + kMargin + labelHeight / 2;
    const int bottom = room.bottom() - labelHeight - kMargin;
    const int lines = std::max(1, (bottom - top) / (2 * labelHeight));
    const double step = AxisStep(std::max(largest, 1.0), lines);
    const int steps = std::max(1, static_cast<int>(std::ceil(largest / step)));
    const double maximum = steps * step;
    int axisWidth = 0;
    for (int i = 0; i <= steps; ++i) {
        axisWidth = std::max(axisWidth, metrics.horizontalAdvance(AxisText(i * step, step)));
    }
    // Room for the fractions of a pixel the whole advances leave out.
    axisWidth += 2;
    plot_ = QRect(QPoint(room.left() + axisWidth + kMargin, top),
                  QPoint(room.right() - legendWidth, bottom));
    if (plot_.width() < 2 || plot_.height() < 2) {
        return;
    }
    const auto yOf = [&](double value) {
        return plot_.bottom() - static_cast<int>(std::lround(std::clamp(value / maximum, 0.0, 1.0) *
                                                             (plot_.height() - 1)));
    };
    for (int i = 0; i <= steps; ++i) {
        const int y = yOf(i * step);
        FillRow(painter, plot_.left(), y, plot_.width(), grid);
        painter.setPen(text);
        DrawText(painter, QRect(room.left(), y - labelHeight / 2, axisWidth, labelHeight),
                 Qt::AlignRight | Qt::AlignVCenter, AxisText(i * step, step));
    }

    // A week starts on the locale's first day: a line before it, where there is room.
    const int firstWeekday = static_cast<int>(locale_.firstDayOfWeek()) - 1;
    if (!data_.hours && plot_.width() >= 2 * data_.columns) {
        for (int c = 1; c < data_.columns; ++c) {
            if (WeekdayOf(data_.firstDay + c) == firstWeekday) {
                FillColumn(painter, ColumnSlot(c).left(), plot_.top(), plot_.height(), weekGrid);
            }
        }
    }

    if (selected_ >= 0) {
        const QRect slot = ColumnSlot(selected_);
        painter.fillRect(slot, selection);
        FillFrame(painter, slot, selectionFrame, selectionFrame);
    }

    // Each bar stacks its series from the bottom; edges come from the running sums, so the
    // parts meet without gaps.
    for (int c = 0; c < data_.columns; ++c) {
        const QRect slot = ColumnSlot(c);
        const int gap = slot.width() >= 4 ? std::max(1, slot.width() / 5) : 0;
        const int left = slot.left() + gap / 2;
        const int width = std::max(1, slot.width() - gap);
        double sum = 0;
        int lower = yOf(0) + 1;
        for (const HistoryChartSeries& series : data_.series) {
            sum += std::max(series.values[static_cast<size_t>(c)], 0.0);
            const int upper = yOf(sum);
            if (upper < lower) {
                painter.fillRect(QRect(left, upper, width, lower - upper),
                                 Readable(series.colour, base_, kMarkContrast));
            }
            lower = std::min(lower, upper);
        }
    }

    FillColumn(painter, plot_.left(), plot_.top(), plot_.height(), axis);
    FillRow(painter, plot_.left(), plot_.bottom(), plot_.width(), axis);

    if (largest <= 0 && !data_.emptyText.isEmpty()) {
        painter.setPen(quiet);
        DrawText(painter, plot_.adjusted(kMargin, 0, -kMargin, 0), Qt::AlignCenter,
                 data_.emptyText);
    }

    painter.setPen(text);
    if (data_.hours) {
        DrawHourLabels(painter, plot_.bottom() + 2);
    } else {
        DrawDayLabels(painter, plot_.bottom() + 2);
    }

    int y = plot_.top();
    const int legendLeft = plot_.right() + 2 * kMargin;
    for (const HistoryChartSeries& series : data_.series) {
        if (y + labelHeight > room.bottom() + 1) {
            break;
        }
        painter.fillRect(QRect(legendLeft, y + (labelHeight - kSwatch) / 2, kSwatch, kSwatch),
                         Readable(series.colour, base_, kMarkContrast));
        DrawText(painter,
                 QRect(legendLeft + kSwatch + kMargin, y,
                       room.right() - legendLeft - kSwatch - kMargin + 1, labelHeight),
                 Qt::AlignLeft | Qt::AlignVCenter, series.name);
        y += labelHeight + 2;
    }
}

void CHistoryChart::DrawHourLabels(QPainter& painter, int top) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int pitch = std::max(1, plot_.width() / 24);
    int every = 1;
    for (const int candidate : {1, 2, 3, 4, 6, 12}) {
        every = candidate;
        if (pitch * candidate >= metrics.horizontalAdvance(QStringLiteral("00")) + 4) break;
    }
    for (int hour = 0; hour < 24; hour += every) {
        const QRect slot = ColumnSlot(hour);
        const int width = pitch * every;
        const QRect box(slot.center().x() - width / 2, top, width, metrics.height());
        DrawText(painter, box, Qt::AlignHCenter | Qt::AlignTop,
                 QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')));
    }
}

void CHistoryChart::DrawDayLabels(QPainter& painter, int top) {
    const QFontMetrics metrics = painter.fontMetrics();
    const double pitch = static_cast<double>(plot_.width()) / std::max(data_.columns, 1);
    const int gap = 8;
    const QString dayMonth = DayMonthFormat(locale_);
    const QDate sample(2026, 12, 28);
    const int firstWeekday = static_cast<int>(locale_.firstDayOfWeek()) - 1;
    // The finest labels that have room: every day, each week's start, each month's, each
    // year's.
    enum class Tier { Days, Weeks, Months, Years };
    Tier tier = Tier::Years;
    const int dayWidth = metrics.horizontalAdvance(QStringLiteral("28")) + 2 + gap;
    // Every day, or every second or third, so the labels keep an even step.
    int every = 1;
    if (pitch * 3 >= dayWidth) {
        tier = Tier::Days;
        every = static_cast<int>(std::ceil(dayWidth / pitch));
    } else if (7 * pitch >= metrics.horizontalAdvance(locale_.toString(sample, dayMonth)) + gap) {
        tier = Tier::Weeks;
    } else if (28 * pitch >=
               metrics.horizontalAdvance(locale_.toString(sample, QStringLiteral("MMM"))) + gap) {
        tier = Tier::Months;
    }
    struct Label {
        QRect box;
        QString text;
        bool first;  // of a month: wins over a day label it would run into
    };
    std::vector<Label> labels;
    for (int c = 0; c < data_.columns; ++c) {
        const int64_t day = data_.firstDay + c;
        const QDate date = DateOf(day);
        QString text;
        bool centred = false;
        const bool monthStart = date.day() == 1;
        switch (tier) {
            case Tier::Days:
                if (date.day() == 1 || c == 0) {
                    text = locale_.toString(date, dayMonth);
                } else if (c % every == 0) {
                    text = locale_.toString(date, QStringLiteral("d"));
                }
                centred = true;
                break;
            case Tier::Weeks:
                if (WeekdayOf(day) == firstWeekday) text = locale_.toString(date, dayMonth);
                break;
            case Tier::Months:
                if (date.day() == 1) {
                    text = date.month() == 1 ? locale_.toString(date, QStringLiteral("MMM yyyy"))
                                             : locale_.toString(date, QStringLiteral("MMM"));
                }
                break;
            case Tier::Years:
                if (date.day() == 1 && date.month() == 1) {
                    text = locale_.toString(date, QStringLiteral("yyyy"));
                }
                break;
        }
        if (text.isEmpty()) {
            continue;
        }
        const QRect slot = ColumnSlot(c);
        const int width = metrics.horizontalAdvance(text) + 2;
        int left = centred ? slot.center().x() - width / 2 : slot.left();
        left = std::max(std::min(left, size_.width() - kMargin - width), plot_.left());
        // A label that would run into the one before it is left out, unless it starts a
        // month and the one before does not.
        const Label label{QRect(left, top, width, metrics.height()), text, monthStart};
        if (!labels.empty() && left < labels.back().box.right() + 1 + gap) {
            if (!monthStart || labels.back().first) continue;
            labels.pop_back();
            if (!labels.empty() && left < labels.back().box.right() + 1 + gap) continue;
        }
        labels.push_back(label);
    }
    for (const Label& label : labels) {
        DrawText(painter, label.box, Qt::AlignLeft | Qt::AlignTop, label.text);
    }
}
