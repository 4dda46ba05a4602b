// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>

class CAccessibleTable;
class IAccessibleTable;

// One cell of a CAccessibleTable, or with row -1 one of its column headings. Reads its text
// from the widget each time, so it is never stale; invalid once the widget is gone or the
// table has shrunk past it.
class CAccessibleTableCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    CAccessibleTableCell(QWidget* widget, const IAccessibleTable& source, int row, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    CAccessibleTable* Table() const;

    QPointer<QWidget> widget_;
    const IAccessibleTable& source_;
    int row_;
    int column_;
};
