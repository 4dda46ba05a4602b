// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <map>
#include <utility>

class IAccessibleTable;

// The accessible side of a widget that implements IAccessibleTable: role table, the
// headings as the first row of children, then the cells row by row. Cells are made when
// asked for and dropped when the widget says its table changed.
class CAccessibleTable : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    CAccessibleTable(QWidget* widget, const IAccessibleTable& source);
    ~CAccessibleTable() override;

    // Rows or columns came or went: assistive technology reads the table anew.
    static void Changed(QWidget* widget);

    const IAccessibleTable& Source() const { return source_; }
    // A cell, or with row -1 a column's heading; nullptr outside the table.
    QAccessibleInterface* Cell(int row, int column) const;

    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    // The picture chooses what is selected, not assistive technology.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

  private:
    void DropCells();

    const IAccessibleTable& source_;
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};
