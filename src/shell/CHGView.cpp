// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CHGView.h"

CHGView::CHGView(QWidget* parent)
    : CReportListView(
          {
              {QStringLiteral("Process"), 120, Qt::AlignLeft},
              {QStringLiteral("Windows Title"), 200, Qt::AlignLeft},
              {QStringLiteral("Running Time"), 85, Qt::AlignHCenter},
          },
          true, parent) {}
