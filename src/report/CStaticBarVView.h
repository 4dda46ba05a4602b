// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QWidget>

#include "controls/IAccessibleTable.h"
#include "report/CBarChart.h"

// Shows a CBarChart: a resize redraws the chart's surface, painting only copies it. To
// assistive technology it is a table: a row per item, its name and then a value per series,
// the numbers the bars stand for; named by the chart's title.
class CStaticBarVView : public QWidget, public IAccessibleTable {
    Q_DECLARE_TR_FUNCTIONS(CStaticBarVView)

  public:
    explicit CStaticBarVView(QWidget* parent = nullptr);

    void SetData(const ChartData& data);
    CBarChart& Chart() { return chart_; }
    const CBarChart& Chart() const { return chart_; }

    int AccessibleRowCount() const override;
    int AccessibleColumnCount() const override;
    QString AccessibleHeading(int column) const override;
    QString AccessibleCell(int row, int column) const override;
    QRect AccessibleRowRect(int row) const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    CBarChart chart_;
};
