// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CAccessibleTableCell.h"

#include <QWindow>

#include "controls/CAccessibleTable.h"
#include "controls/IAccessibleTable.h"

CAccessibleTableCell::CAccessibleTableCell(QWidget* widget, const IAccessibleTable& source, int row,
                                           int column)
    : widget_(widget), source_(source), row_(row), column_(column) {}

bool CAccessibleTableCell::isValid() const {
    return !widget_.isNull() && row_ < source_.AccessibleRowCount() &&
           column_ < source_.AccessibleColumnCount();
}

QWindow* CAccessibleTableCell::window() const {
    return widget_.isNull() ? nullptr : widget_->window()->windowHandle();
}

CAccessibleTable* CAccessibleTableCell::Table() const {
    return widget_.isNull()
               ? nullptr
               : dynamic_cast<CAccessibleTable*>(QAccessible::queryAccessibleInterface(widget_));
}

QAccessibleInterface* CAccessibleTableCell::parent() const {
    return Table();
}

QString CAccessibleTableCell::text(QAccessible::Text type) const {
    if (!isValid()) {
        return {};
    }
    switch (type) {
        case QAccessible::Name:
            return row_ < 0 ? source_.AccessibleHeading(column_)
                            : source_.AccessibleCell(row_, column_);
        case QAccessible::Description:
            // Said with the value, as a sighted reader takes it from the heading.
            return row_ < 0 ? QString() : source_.AccessibleHeading(column_);
        default:
            return {};
    }
}

QRect CAccessibleTableCell::rect() const {
    if (!isValid()) {
        return {};
    }
    const QRect row = row_ < 0 ? QRect() : source_.AccessibleRowRect(row_);
    const QRect local = row.isEmpty() ? widget_->rect() : row;
    return QRect(widget_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role CAccessibleTableCell::role() const {
    return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
}

QAccessible::State CAccessibleTableCell::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.readOnly = true;
    state.invisible = !widget_->isVisible();
    state.selectable = row_ >= 0;
    state.selected = isSelected();
    return state;
}

void* CAccessibleTableCell::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
}

bool CAccessibleTableCell::isSelected() const {
    return isValid() && row_ >= 0 && source_.AccessibleRowSelected(row_);
}

QList<QAccessibleInterface*> CAccessibleTableCell::columnHeaderCells() const {
    CAccessibleTable* table = Table();
    QAccessibleInterface* heading =
        table != nullptr && row_ >= 0 ? table->Cell(-1, column_) : nullptr;
    return heading != nullptr ? QList<QAccessibleInterface*>{heading}
                              : QList<QAccessibleInterface*>{};
}
