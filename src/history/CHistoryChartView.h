// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

#include "controls/IAccessibleTable.h"
#include "history/CHistoryChart.h"

// Shows a CHistoryChart at the widget's size, the screen's pixels and the palette's colours:
// a resize, a new palette or screen redraws the chart's image, painting only copies it.
// Hovering a column shows its tip, a click opens it; the keyboard moves the chosen column with
// the arrow keys (Home and End for the ends), opens it with Enter and goes back with Escape.
// To assistive technology it is a table: a row per day or hour, a column per series and the
// total, the times as the tips write them; named by its title and described by the chosen
// column's tip.
class CHistoryChartView : public QWidget, public IAccessibleTable {
    Q_OBJECT
  public:
    explicit CHistoryChartView(QWidget* parent = nullptr);

    void SetData(HistoryChartData data);
    CHistoryChart& Chart() { return chart_; }
    const CHistoryChart& Chart() const { return chart_; }

    // The tip of a column, a few lines of plain text; none by default.
    void SetTipSource(std::function<QString(int column)> source) { tips_ = std::move(source); }
    QString TipAt(int column) const { return tips_ ? tips_(column) : QString(); }
    // Chooses a column as the arrow keys do; -1 for none.
    void Select(int column);

    int AccessibleRowCount() const override;
    int AccessibleColumnCount() const override;
    QString AccessibleHeading(int column) const override;
    QString AccessibleCell(int row, int column) const override;
    QRect AccessibleRowRect(int row) const override { return chart_.ColumnSlot(row); }
    bool AccessibleRowSelected(int row) const override { return row == chart_.Selected(); }

  signals:
    void Activated(int column);
    void BackRequested();
    void SelectionChanged(int column);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Describe();

    CHistoryChart chart_;
    std::function<QString(int)> tips_;
};
