// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CAccessibleTable.h"

#include <algorithm>

#include "controls/CAccessibleTableCell.h"
#include "controls/IAccessibleTable.h"

CAccessibleTable::CAccessibleTable(QWidget* widget, const IAccessibleTable& source)
    : QAccessibleWidget(widget, QAccessible::Table), source_(source) {}

CAccessibleTable::~CAccessibleTable() {
    DropCells();
}

void CAccessibleTable::Changed(QWidget* widget) {
    if (!QAccessible::isActive()) {
        return;  // nobody listens, and no cell was handed out
    }
    QAccessibleTableModelChangeEvent event(widget, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void CAccessibleTable::DropCells() {
    for (const auto& [key, id] : cells_) {
        QAccessible::deleteAccessibleInterface(id);
    }
    cells_.clear();
}

void CAccessibleTable::modelChange(QAccessibleTableModelChangeEvent* /*event*/) {
    DropCells();
}

QAccessibleInterface* CAccessibleTable::Cell(int row, int column) const {
    if (row < -1 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return nullptr;
    }
    const auto key = std::make_pair(row, column);
    if (const auto found = cells_.find(key); found != cells_.end()) {
        if (QAccessibleInterface* cell = QAccessible::accessibleInterface(found->second)) {
            return cell;
        }
        cells_.erase(found);
    }
    auto* cell = new CAccessibleTableCell(widget(), source_, row, column);
    cells_[key] = QAccessible::registerAccessibleInterface(cell);
    return cell;
}

int CAccessibleTable::columnCount() const {
    return std::max(0, source_.AccessibleColumnCount());
}

int CAccessibleTable::rowCount() const {
    return std::max(0, source_.AccessibleRowCount());
}

int CAccessibleTable::childCount() const {
    return (rowCount() + 1) * columnCount();
}

QAccessibleInterface* CAccessibleTable::child(int index) const {
    const int columns = columnCount();
    if (index < 0 || columns == 0) {
        return nullptr;
    }
    return Cell(index / columns - 1, index % columns);
}

int CAccessibleTable::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr || child->parent() == nullptr || child->parent()->object() != object()) {
        return -1;
    }
    const auto* cell = dynamic_cast<const CAccessibleTableCell*>(child);
    if (cell == nullptr) {
        return -1;
    }
    return (cell->rowIndex() + 1) * columnCount() + cell->columnIndex();
}

QAccessibleInterface* CAccessibleTable::childAt(int x, int y) const {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int row = 0; row < rowCount(); ++row) {
        if (source_.AccessibleRowRect(row).contains(local)) {
            return Cell(row, 0);
        }
    }
    return nullptr;
}

void* CAccessibleTable::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* CAccessibleTable::cellAt(int row, int column) const {
    return row < 0 ? nullptr : Cell(row, column);
}

QList<int> CAccessibleTable::selectedRows() const {
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        if (source_.AccessibleRowSelected(row)) {
            rows.append(row);
        }
    }
    return rows;
}

bool CAccessibleTable::isRowSelected(int row) const {
    return row >= 0 && row < rowCount() && source_.AccessibleRowSelected(row);
}

int CAccessibleTable::selectedCellCount() const {
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface*> CAccessibleTable::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows()) {
        for (int column = 0; column < columnCount(); ++column) {
            cells.append(Cell(row, column));
        }
    }
    return cells;
}

QString CAccessibleTable::columnDescription(int column) const {
    return column >= 0 && column < columnCount() ? source_.AccessibleHeading(column) : QString();
}

QString CAccessibleTable::rowDescription(int row) const {
    // The first column names the row: a program, a group, a day or an hour.
    return row >= 0 && row < rowCount() && columnCount() > 0 ? source_.AccessibleCell(row, 0)
                                                             : QString();
}
