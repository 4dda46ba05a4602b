// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CHGView.h"

#include <QCoreApplication>

CHGView::CHGView(QWidget* parent)
    : CReportListView(
          {
              {QCoreApplication::translate("CHGView", "Process"), 120, Qt::AlignLeft},
#ifdef _WIN32
              {QCoreApplication::translate("CHGView", "Windows Title"), 200, Qt::AlignLeft},
#else
              {QCoreApplication::translate("CHGView", "Window Title"), 200, Qt::AlignLeft},
#endif
              {QCoreApplication::translate("CHGView", "Running Time"), 85, Qt::AlignHCenter},
          },
          true, parent) {
}
