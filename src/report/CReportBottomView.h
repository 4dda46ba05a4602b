#pragma once

#include "report/CStaticBarVView.h"

// The report window's chart pane.
class CReportBottomView : public CStaticBarVView {
  public:
    using CStaticBarVView::CStaticBarVView;
};
