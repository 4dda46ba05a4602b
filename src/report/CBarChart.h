// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "report/ChartRules.h"
#include "report/ReportData.h"

class QPainter;

// The pseudo-3-D grouped bar chart, drawn into a 1280 x 1024 off-screen image that a view
// only copies. Needs no widget, so a report can be drawn without a window.
class CBarChart {
  public:
    static constexpr int kSurfaceWidth = 1280;
    static constexpr int kSurfaceHeight = 1024;
    static constexpr int kMaxSeries = 100;
    static constexpr int kMaxItems = 30;

    CBarChart();

    // Validates the layout, keeps a copy of the data and redraws.
    void SetData(const ChartData& data);
    // The client area the layout fills; redraws.
    void SetClientSize(QSize size);

    bool HasData() const { return hasData_; }
    // The whole surface; white until data arrive.
    const QImage& Surface() const { return surface_; }
    // The client area's part of the surface, as the saved report shows it.
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
    void Layout(QPainter& painter);
    void DrawBox(QPainter& painter);
    void DrawTitle(QPainter& painter);
    void DrawBars(QPainter& painter);

    QImage surface_;
    QSize client_;
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

    QColor wall_{207, 207, 207};
    QColor sideWall_{110, 110, 110};
    QColor line_{0, 0, 0};
};
