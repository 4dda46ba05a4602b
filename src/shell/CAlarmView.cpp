// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CAlarmView.h"

CAlarmView::CAlarmView(QWidget* parent)
    : CReportListView(
          {
              {QStringLiteral("Process"), 120, Qt::AlignLeft},
              {QStringLiteral("Running Time"), 85, Qt::AlignLeft},
              {QStringLiteral("Alarm Time"), 85, Qt::AlignLeft},
          },
          false, parent) {}
