// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CAlarmView.h"

#include <QCoreApplication>

CAlarmView::CAlarmView(QWidget* parent)
    : CReportListView(
          {
              {QCoreApplication::translate("CAlarmView", "Process"), 120, Qt::AlignLeft},
              {QCoreApplication::translate("CAlarmView", "Running Time"), 85, Qt::AlignLeft},
              {QCoreApplication::translate("CAlarmView", "Alarm Time"), 85, Qt::AlignLeft},
          },
          false, parent) {}
