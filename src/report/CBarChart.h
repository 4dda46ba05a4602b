// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "report/ChartRules.h"
#include "report/ReportData.h"

class QPainter;

// The pseudo-3-D grouped bar chart, drawn into an off-screen image of the client area's size
// times the device pixel ratio that a view only copies. Needs no widget, so a report can be
// drawn without a window. Texts take the given font's face, at the described sizes grown
// with the font, each fitting its band; colours are the background and text given (white and
// black until set), the walls between them, and the series' colours made to stand 3:1 out.
class CBarChart {
  public:
    static constexpr int kMaxSeries = 100;
    static constexpr int kMaxItems = 30;

    CBarChart();

    // Validates the layout, keeps a copy of the data and redraws.
    void SetData(const ChartData& data);
    // The client area the layout fills, in logical pixels; redraws.
    void SetClientSize(QSize size);
    // The screen's device pixel ratio: the surface has that many pixels per logical one.
    void SetRatio(qreal ratio);
    // Background and text (and line) colours: a palette's Base and Text.
    void SetColours(const QColor& background, const QColor& text);
    // The user's font; its size grows the chart's texts, margins and the legible size.
    void SetFont(const QFont& font);

    bool HasData() const { return hasData_; }
    QSize ClientSize() const { return client_; }
    qreal Ratio() const { return pixelRatio_; }
    // The smallest client area whose texts keep apart; a view scrolls below it.
    QSize LegibleSize() const;
    // The whole surface, client size times ratio, the ratio set; the background until data
    // arrive.
    const QImage& Surface() const { return surface_; }
    // The chart as the saved report shows it: the client area in logical pixels and light
    // colours, whatever the screen and the palette.
    QImage Picture() const;
    const ChartScale& Scale() const { return scale_; }
    // The data as drawn: item names, series names and values[series][item].
    const QStringList& Items() const { return items_; }
    const QStringList& SeriesNames() const { return series_; }
    const std::vector<std::vector<int32_t>>& Values() const { return values_; }
    // Where the last redraw wrote each item's name under the front row.
    const std::vector<QRect>& ItemNameBoxes() const { return itemBoxes_; }

    static QColor Darker(QColor colour);
    static QColor Lighter(QColor colour);

  private:
    void Redraw();
    // A length of the described layout, grown with the font.
    int Scaled(double pixels) const;
    QFont TextFont(double pixels) const;
    void Layout(QPainter& painter);
    void DrawBox(QPainter& painter);
    void DrawTitle(QPainter& painter);
    void DrawBars(QPainter& painter);

    QImage surface_;
    QSize client_;
    qreal pixelRatio_ = 1;
    QFont font_;
    double textScale_ = 1;  // the font's line against the 8-point dialog font's 13 pixels
    bool hasData_ = false;

    // The data as last set.
    std::vector<std::vector<int32_t>> values_;
    QStringList items_;
    QStringList series_;
    std::vector<QColor> colours_;
    QString title_;
    int top_ = 0;
    int bottom_ = 0;
    int left_ = 0;
    int right_ = 0;
    double angle_ = 0;  // radians
    double ratio_ = 0;

    // Layout of the last redraw.
    int plotTop_ = 0;
    int plotBottom_ = 0;
    int plotLeft_ = 0;
    int plotRight_ = 0;
    int frontWidth_ = 0;
    int frontHeight_ = 0;
    int depth_ = 0;
    int nameWidth_ = 0;  // of the longest series name
    std::vector<QRect> itemBoxes_;
    ChartScale scale_;

    QColor background_{255, 255, 255};
    QColor wall_{207, 207, 207};
    QColor sideWall_{110, 110, 110};
    QColor line_{0, 0, 0};
};
