// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QTreeView>
#include <cstdint>
#include <vector>

#include "report/CSortHeader.h"
#include "report/CSortListModel.h"

// A report list sorted by clicking headings: a click sorts by that column alone, Ctrl+click
// adds the column to a sort over several. Every column's first sort is descending and each
// later one flips it. On destruction the column widths go to the settings under
// "ColumnWidths/<registry name>".
class CMultiColumnSortListView : public QTreeView {
  public:
    static constexpr int kMaxSortColumns = 64;
    static constexpr QColor kGridColour{208, 208, 208};

    explicit CMultiColumnSortListView(QWidget* parent = nullptr);
    ~CMultiColumnSortListView() override;

    CSortListModel& Model() { return model_; }
    const CSortListModel& Model() const { return model_; }
    CSortHeader& SortHeader() { return *header_; }

    void SetRegistryName(const QString& name) { registryName_ = name; }
    void AddNumericColumn(int column) { numeric_.push_back(column); }
    // Sets column's width, or what its heading needs with an arrow where that is more: the
    // widths come from English headings.
    void FitColumn(int column, int width);

    // A left click on a heading; ctrl: Ctrl was held.
    void HeadingClicked(int column, bool ctrl);

    // The widths as saved: each "%d,".
    QString WidthsText() const;
    const std::vector<int>& SortList() const { return sortList_; }

  protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

  private:
    void SortSingle(int column);
    void SortMulti(int column);
    bool IsNumeric(int column) const;
    bool NextAscending(int column) const;
    void FlipDirection(int column);
    void SaveWidths() const;

    CSortListModel model_;
    CSortHeader* header_;
    std::vector<int> numeric_;
    std::vector<int> sortList_;   // in the order the columns joined the sort
    uint64_t directionBits_ = 0;  // set: the column's next sort by a click is ascending
    QString registryName_;
};
