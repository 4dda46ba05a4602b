// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>

#include "report/CBarChart.h"

// Shows a CBarChart at the pane's size and the screen's pixels, in the palette's Base and Text
// and the pane's font: a resize, a new palette or font or screen redraws the chart's surface,
// painting only copies it. Below the chart's legible size the pane scrolls.
class CStaticBarVView : public QAbstractScrollArea {
  public:
    explicit CStaticBarVView(QWidget* parent = nullptr);

    void SetData(const ChartData& data);
    CBarChart& Chart() { return chart_; }
    const CBarChart& Chart() const { return chart_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    // The chart at the viewport's size, at least the legible one; the scroll bars to match.
    void Fit();

    CBarChart chart_;
};
