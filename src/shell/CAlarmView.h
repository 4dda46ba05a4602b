// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/CReportListView.h"

// The alarm list: a line each time a program's running time today reaches a multiple of
// the alarm step, newest first. No tool tips.
class CAlarmView : public CReportListView {
  public:
    explicit CAlarmView(QWidget* parent = nullptr);
};
