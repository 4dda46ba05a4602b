// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QLocale>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

class CHistoryColours;
class CHistoryModel;

// One colour of a stacked chart: a program, a group or "Other".
struct HistoryChartSeries {
    QString name;
    QColor colour;
    std::vector<double> values;  // seconds, one per column
};

// What the History chart draws: one stacked bar per day of a range, or 24 stacked columns
// for the hours of day.
struct HistoryChartData {
    bool hours = false;
    int64_t firstDay = 0;  // the first column's CivilDay number, for a range of days
    int columns = 0;
    std::vector<HistoryChartSeries> series;  // bottom of the stack first
    QString title;                           // a whole sentence
    QString emptyText;                       // shown over the axes when nothing was used
};

// The History chart, drawn into an image the view only copies: no antialiasing for bars,
// axes and grid, so every bar edge falls on a device pixel and rules stay whole device
// pixels; texts in the live graph's LineFont, each one fitting its room or cut with an
// ellipsis; labels that would collide are left out. The image has the size times the device
// pixel ratio, the ratio set. Colours: the palette's Base and Text (white and black until
// set); the described axis, grid and series colours where they give 3:1 against Base, made
// lighter or darker where not. Needs no widget, so a saved page and the command line draw it
// too.
class CHistoryChart {
  public:
    // Programs or groups that get a colour of their own; the rest are "Other".
    static constexpr int kTopSeries = 8;

    explicit CHistoryChart(QLocale locale = QLocale());

    // The history's top rows as series, coloured by colours, the rest summed as "Other";
    // every value divided by divisor (the days of an average day).
    static HistoryChartData FromModel(const CHistoryModel& history, CHistoryColours& colours,
                                      const QString& title, double divisor = 1);

    void SetData(HistoryChartData data);
    void SetSize(QSize size);
    // The screen's device pixel ratio, and the palette the chart stands in.
    void SetRatio(qreal ratio);
    void SetColours(const QColor& base, const QColor& text, const QColor& highlight);
    // The column drawn as chosen (keyboard or hover), or -1.
    void SetSelected(int column);

    const QImage& Image() const { return image_; }
    qreal Ratio() const { return ratio_; }
    // The chart as a saved page shows it: the size in logical pixels, light colours.
    QImage SavedImage() const;
    const HistoryChartData& Data() const { return data_; }
    int Selected() const { return selected_; }

    // The column under a point of the image, or -1.
    int ColumnAt(QPoint point) const;
    // Where a column's bar may stand: its slot from the plot's top to its bottom.
    QRect ColumnSlot(int column) const;
    // The sum of a column's series.
    double ColumnTotal(int column) const;

    // Boxes of every text drawn in the last redraw, for checking that each fits.
    struct DrawnText {
        QRect box;     // the room it was given
        QString text;  // as drawn: whole, or cut with an ellipsis
    };
    const std::vector<DrawnText>& Texts() const { return texts_; }

  private:
    void Redraw();
    void DrawText(QPainter& painter, const QRect& box, int flags, const QString& text);
    void DrawDayLabels(QPainter& painter, int top);
    void DrawHourLabels(QPainter& painter, int top);

    QLocale locale_;
    HistoryChartData data_;
    QSize size_{700, 360};
    qreal ratio_ = 1;
    QColor base_{Qt::white};
    QColor text_{Qt::black};
    QColor highlight_;  // invalid: the light look's selection
    int selected_ = -1;
    QImage image_;
    QRect plot_;
    std::vector<DrawnText> texts_;
};
