// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CStaticBarVView.h"

#include <QEvent>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "controls/CAccessibleTable.h"

CStaticBarVView::CStaticBarVView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    // Every pixel comes from the surface; nothing to erase first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Chart"));
    setAccessibleDescription(tr("No report is shown yet."));
    chart_.SetFont(font());
    chart_.SetColours(palette().color(QPalette::Base), palette().color(QPalette::Text));
}

void CStaticBarVView::SetData(const ChartData& data) {
    Fit();
    chart_.SetData(data);
    viewport()->update();
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
    return row >= 0 && static_cast<size_t>(row) < boxes.size()
               ? boxes[static_cast<size_t>(row)].translated(ChartOrigin())
               : QRect();
}

QPoint CStaticBarVView::ChartOrigin() const {
    return viewport()->pos() - QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CStaticBarVView::Fit() {
    const QSize pane = viewport()->size();
    const QSize legible = chart_.LegibleSize();
    const QSize client = pane.expandedTo(legible);
    horizontalScrollBar()->setRange(0, client.width() - pane.width());
    horizontalScrollBar()->setPageStep(pane.width());
    verticalScrollBar()->setRange(0, client.height() - pane.height());
    verticalScrollBar()->setPageStep(pane.height());
    chart_.SetRatio(viewport()->devicePixelRatioF());
    chart_.SetClientSize(client);
}

void CStaticBarVView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Fit();
}

void CStaticBarVView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        chart_.SetColours(palette().color(QPalette::Base), palette().color(QPalette::Text));
        viewport()->update();
    } else if (event->type() == QEvent::FontChange) {
        chart_.SetFont(font());
        Fit();
        viewport()->update();
    }
}

void CStaticBarVView::scrollContentsBy(int, int) {
    viewport()->update();
}

void CStaticBarVView::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another ratio: drawn again at its pixels.
    if (viewport()->devicePixelRatioF() != chart_.Ratio()) {
        Fit();
    }
    QPainter painter(viewport());
    painter.setClipRect(event->rect());
    // The surface has the screen's ratio: copied pixel for pixel.
    painter.drawImage(QPoint(-horizontalScrollBar()->value(), -verticalScrollBar()->value()),
                      chart_.Surface());
}
