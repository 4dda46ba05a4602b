// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "report/CBarChart.h"

// Shows a CBarChart: a resize redraws the chart's surface, painting only copies it.
class CStaticBarVView : public QWidget {
  public:
    explicit CStaticBarVView(QWidget* parent = nullptr);

    void SetData(const ChartData& data);
    CBarChart& Chart() { return chart_; }
    const CBarChart& Chart() const { return chart_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    CBarChart chart_;
};
