// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/CMultiColumnSortListView.h"

// The report window's list pane.
class CReportTopView : public CMultiColumnSortListView {
  public:
    using CMultiColumnSortListView::CMultiColumnSortListView;
};
