// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CStaticBarVView.h"

#include <QLocale>
#include <QPaintEvent>
#include <QPainter>

#include "controls/CAccessibleTable.h"

CStaticBarVView::CStaticBarVView(QWidget* parent) : QWidget(parent) {
    // Every pixel comes from the surface; nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Chart"));
    setAccessibleDescription(tr("No report is shown yet."));
}

void CStaticBarVView::SetData(const ChartData& data) {
    chart_.SetClientSize(size());
    chart_.SetData(data);
    update();
    const QStringList& items = chart_.Items();
    setAccessibleName(data.title.empty() ? tr("Chart") : QString::fromStdString(data.title));
    setAccessibleDescription(items.isEmpty()
                                 ? tr("No rows to draw.")
                                 : tr("Bars for %1.").arg(QLocale().createSeparatedList(items)));
    CAccessibleTable::Changed(this);
}

int CStaticBarVView::AccessibleRowCount() const {
    return static_cast<int>(chart_.Items().size());
}

int CStaticBarVView::AccessibleColumnCount() const {
    return chart_.HasData() ? 1 + static_cast<int>(chart_.SeriesNames().size()) : 0;
}

QString CStaticBarVView::AccessibleHeading(int column) const {
    return column == 0 ? tr("Name") : chart_.SeriesNames().value(column - 1);
}

QString CStaticBarVView::AccessibleCell(int row, int column) const {
    if (column == 0) {
        return chart_.Items().value(row);
    }
    const auto& values = chart_.Values();
    const size_t series = static_cast<size_t>(column - 1);
    if (series >= values.size() || row < 0 || static_cast<size_t>(row) >= values[series].size()) {
        return {};
    }
    // As the list writes it, so both say the same.
    return QString::number(values[series][static_cast<size_t>(row)]);
}

QRect CStaticBarVView::AccessibleRowRect(int row) const {
    const auto& boxes = chart_.ItemNameBoxes();
    return row >= 0 && static_cast<size_t>(row) < boxes.size() ? boxes[static_cast<size_t>(row)]
                                                               : QRect();
}

void CStaticBarVView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    chart_.SetClientSize(size());
}

void CStaticBarVView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Beyond the surface the pane stays as the platform leaves it.
    painter.drawImage(event->rect().topLeft(), chart_.Surface(), event->rect());
}
