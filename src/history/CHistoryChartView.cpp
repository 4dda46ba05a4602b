// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/CHistoryChartView.h"

#include <QEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "controls/CAccessibleTable.h"
#include "history/CHistoryModel.h"
#include "history/HistoryTitles.h"

CHistoryChartView::CHistoryChartView(QWidget* parent) : QWidget(parent) {
    // Every pixel comes from the image; nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(240, 160);
    chart_.SetColours(palette().color(QPalette::Base), palette().color(QPalette::Text),
                      palette().color(QPalette::Highlight));
}

void CHistoryChartView::SetData(HistoryChartData data) {
    chart_.SetSize(size());
    chart_.SetData(std::move(data));
    update();
    setAccessibleName(chart_.Data().title.isEmpty() ? tr("History chart") : chart_.Data().title);
    Describe();
    CAccessibleTable::Changed(this);
}

void CHistoryChartView::Describe() {
    const HistoryChartData& data = chart_.Data();
    QString text;
    if (const int chosen = chart_.Selected(); chosen >= 0) {
        text = TipAt(chosen);
    }
    if (text.isEmpty()) {
        double total = 0;
        for (int column = 0; column < data.columns; ++column) total += chart_.ColumnTotal(column);
        text = total > 0 || data.emptyText.isEmpty()
                   ? tr("%1 in all.")
                         .arg(QString::fromStdString(HistorySpanText(static_cast<int64_t>(total))))
                   : data.emptyText;
    }
    setAccessibleDescription(text);
}

int CHistoryChartView::AccessibleRowCount() const {
    return chart_.Data().columns;
}

int CHistoryChartView::AccessibleColumnCount() const {
    // The day or hour, each series, the total.
    return 2 + static_cast<int>(chart_.Data().series.size());
}

QString CHistoryChartView::AccessibleHeading(int column) const {
    const HistoryChartData& data = chart_.Data();
    if (column == 0) return data.hours ? tr("Hour") : tr("Day");
    if (column == AccessibleColumnCount() - 1) return tr("Total");
    return column > 0 && column - 1 < static_cast<int>(data.series.size())
               ? data.series[static_cast<size_t>(column - 1)].name
               : QString();
}

QString CHistoryChartView::AccessibleCell(int row, int column) const {
    const HistoryChartData& data = chart_.Data();
    if (row < 0 || row >= data.columns) return {};
    if (column == 0) {
        return data.hours ? tr("%1:00 to %2:00")
                                .arg(row, 2, 10, QLatin1Char('0'))
                                .arg(row + 1, 2, 10, QLatin1Char('0'))
                          : HistoryTitles::ShortDay(QLocale(), data.firstDay + row);
    }
    double seconds = 0;
    if (column == AccessibleColumnCount() - 1) {
        seconds = chart_.ColumnTotal(row);
    } else if (column > 0 && column - 1 < static_cast<int>(data.series.size())) {
        const auto& values = data.series[static_cast<size_t>(column - 1)].values;
        seconds = static_cast<size_t>(row) < values.size() ? values[static_cast<size_t>(row)] : 0;
    } else {
        return {};
    }
    return QString::fromStdString(HistorySpanText(static_cast<int64_t>(seconds)));
}

void CHistoryChartView::Select(int column) {
    const int before = chart_.Selected();
    chart_.SetSelected(column);
    if (chart_.Selected() != before) {
        update();
        Describe();
        emit SelectionChanged(chart_.Selected());
    }
}

void CHistoryChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    chart_.SetRatio(devicePixelRatioF());
    chart_.SetSize(size());
}

void CHistoryChartView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        chart_.SetColours(palette().color(QPalette::Base), palette().color(QPalette::Text),
                          palette().color(QPalette::Highlight));
        update();
    }
}

void CHistoryChartView::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another ratio: drawn again at its pixels.
    chart_.SetRatio(devicePixelRatioF());
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawImage(QPoint(0, 0), chart_.Image());
    if (hasFocus()) {
        // Where the keyboard is: a dotted frame, as a focused list has one.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

bool CHistoryChartView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int column = chart_.ColumnAt(help->pos());
        const QString tip = column >= 0 ? TipAt(column) : QString();
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            // Names come from the database, and a tip has no plain-text mode: escaped.
            QToolTip::showText(
                help->globalPos(),
                QStringLiteral("<p style='white-space:pre'>%1</p>").arg(tip.toHtmlEscaped()), this,
                chart_.ColumnSlot(column));
        }
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        update();
    }
    return QWidget::event(event);
}

void CHistoryChartView::mouseMoveEvent(QMouseEvent* event) {
    const int column = chart_.ColumnAt(event->position().toPoint());
    setCursor(column >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void CHistoryChartView::leaveEvent(QEvent* event) {
    unsetCursor();
    QWidget::leaveEvent(event);
}

void CHistoryChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int column = chart_.ColumnAt(event->position().toPoint());
        if (column >= 0) {
            Select(column);
            emit Activated(column);
            return;
        }
    }
    QWidget::mouseReleaseEvent(event);
}

void CHistoryChartView::keyPressEvent(QKeyEvent* event) {
    const int columns = chart_.Data().columns;
    const int selected = chart_.Selected();
    switch (event->key()) {
        case Qt::Key_Left:
            if (columns > 0) Select(selected < 0 ? columns - 1 : std::max(selected - 1, 0));
            return;
        case Qt::Key_Right:
            if (columns > 0) Select(selected < 0 ? 0 : std::min(selected + 1, columns - 1));
            return;
        case Qt::Key_Home:
            if (columns > 0) Select(0);
            return;
        case Qt::Key_End:
            if (columns > 0) Select(columns - 1);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (selected >= 0) emit Activated(selected);
            return;
        case Qt::Key_Escape:
            emit BackRequested();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}
