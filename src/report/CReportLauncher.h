// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QRect>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "report/CReportFrame.h"

// Keeps the report window single: Open creates it the first time and brings it back after.
class CReportLauncher {
  public:
    CReportLauncher(QWidget* mainWindow, std::string databasePath, CReportFrame::IconSource icons);

    CReportFrame* Open();
    // Given to every report window this launcher opens: its History button.
    void SetHistoryOpener(std::function<void(int64_t day)> opener) {
        historyOpener_ = std::move(opener);
    }
    CReportFrame* Window() const { return frame_; }

    // Against the main window's left side where there is room, else at x 200; from its top
    // unless that is 800 or lower, else at y 100.
    static QRect InitialGeometry(const QRect& mainWindow);

  private:
    QWidget* mainWindow_;
    std::string databasePath_;
    CReportFrame::IconSource icons_;
    std::function<void(int64_t)> historyOpener_;
    QPointer<CReportFrame> frame_;  // cleared when the window closes
};
