// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/CReportListView.h"

// The live program list: one row per program seen today, most recently used first;
// hovering a row shows the program's executable path.
class CHGView : public CReportListView {
  public:
    explicit CHGView(QWidget* parent = nullptr);
};
