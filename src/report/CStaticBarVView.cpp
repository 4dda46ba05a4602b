// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CStaticBarVView.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

CStaticBarVView::CStaticBarVView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    // Every pixel comes from the surface; nothing to erase first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    chart_.SetFont(font());
    chart_.SetColours(palette().color(QPalette::Base), palette().color(QPalette::Text));
}

void CStaticBarVView::SetData(const ChartData& data) {
    Fit();
    chart_.SetData(data);
    viewport()->update();
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
