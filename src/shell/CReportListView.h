// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeView>
#include <vector>

#include "shell/CListModel.h"

// A report-style list: fixed columns, full-row select, no sorting, no editing.
class CReportListView : public QTreeView {
  public:
    CReportListView(std::vector<ListColumn> columns, bool pathToolTips, QWidget* parent);

    CListModel& Model() { return model_; }
    const CListModel& Model() const { return model_; }

  private:
    CListModel model_;
};
