// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

// A drawn chart or graph read out as a table: the cells are the texts its picture shows,
// so a screen reader gets the same facts as the eye. The widget implementing it calls
// CAccessibleTable::Changed when rows or columns come or go; cell texts are read on request.
class IAccessibleTable {
  public:
    virtual ~IAccessibleTable() = default;
    virtual int AccessibleRowCount() const = 0;
    virtual int AccessibleColumnCount() const = 0;
    virtual QString AccessibleHeading(int column) const = 0;
    virtual QString AccessibleCell(int row, int column) const = 0;
    // Where the row is drawn, in the widget's coordinates; empty when nowhere in particular.
    virtual QRect AccessibleRowRect(int /*row*/) const { return {}; }
    virtual bool AccessibleRowSelected(int /*row*/) const { return false; }
};
