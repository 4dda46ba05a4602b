// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QCoreApplication>

#include "controls/IAccessibleTable.h"
#include "report/CBarChart.h"

// Shows a CBarChart at the pane's size and the screen's pixels, in the palette's Base and Text
// and the pane's font: a resize, a new palette or font or screen redraws the chart's surface,
// painting only copies it. Below the chart's legible size the pane scrolls. To assistive
// technology it is a table: a row per item, its name and then a value per series, the numbers
// the bars stand for; named by the chart's title.
class CStaticBarVView : public QAbstractScrollArea, public IAccessibleTable {
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
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    // The chart at the viewport's size, at least the legible one; the scroll bars to match.
    void Fit();
    // Where the chart's point 0, 0 stands in the widget.
    QPoint ChartOrigin() const;

    CBarChart chart_;
};
