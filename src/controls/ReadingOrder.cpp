// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ReadingOrder.h"

#include <QLayout>
#include <QSplitter>

namespace {

// raise() moves a widget to the end of its parent's children: in turn, that is the order.
void RaiseInOrder(QLayout& layout, const QWidget& parent) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (QWidget* widget = item->widget(); widget != nullptr) {
            if (widget->parentWidget() == &parent) widget->raise();
        } else if (QLayout* inner = item->layout(); inner != nullptr) {
            RaiseInOrder(*inner, parent);
        }
    }
}

}  // namespace

void KeepReadingOrder(QSplitter& splitter) {
    for (int i = 0; i < splitter.count(); ++i) {
        splitter.widget(i)->raise();
    }
}

void KeepReadingOrder(QWidget& parent) {
    if (QLayout* layout = parent.layout(); layout != nullptr) {
        RaiseInOrder(*layout, parent);
    }
}
