// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CStaticBarVView.h"

#include <QPaintEvent>
#include <QPainter>

CStaticBarVView::CStaticBarVView(QWidget* parent) : QWidget(parent) {
    // Every pixel comes from the surface; nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CStaticBarVView::SetData(const ChartData& data) {
    chart_.SetClientSize(size());
    chart_.SetData(data);
    update();
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
