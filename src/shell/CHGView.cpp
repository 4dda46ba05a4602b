// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CHGView.h"

CHGView::CHGView(QWidget* parent)
    : CReportListView(
          {
              {QStringLiteral("Process"), 120, Qt::AlignLeft},
#ifdef _WIN32
              {QStringLiteral("Windows Title"), 200, Qt::AlignLeft},
#else
              {QStringLiteral("Window Title"), 200, Qt::AlignLeft},
#endif
              {QStringLiteral("Running Time"), 85, Qt::AlignHCenter},
          },
          true, parent) {
}
