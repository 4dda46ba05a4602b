// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/CStaticBarVView.h"

// The report window's chart pane.
class CReportBottomView : public CStaticBarVView {
  public:
    using CStaticBarVView::CStaticBarVView;
};
