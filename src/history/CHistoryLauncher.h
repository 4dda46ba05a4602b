// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QRect>
#include <cstdint>
#include <optional>
#include <string>

#include "history/CHistoryFrame.h"

// Keeps the History window single: Open creates it the first time and brings it back after.
class CHistoryLauncher {
  public:
    CHistoryLauncher(QWidget* mainWindow, std::string databasePath,
                     CHistoryFrame::IconSource icons);

    // day: a CivilDay number whose hours to show, as the report window asks; otherwise a
    // new window shows the last 30 days and an open one stays as it is.
    CHistoryFrame* Open(std::optional<int64_t> day = std::nullopt);
    CHistoryFrame* Window() const { return frame_; }

    // Beside the main window on its left where there is room, else at x 160; from its top
    // unless that is too low for the window, else at y 80.
    static QRect InitialGeometry(const QRect& mainWindow);

  private:
    QWidget* mainWindow_;
    std::string databasePath_;
    CHistoryFrame::IconSource icons_;
    QPointer<CHistoryFrame> frame_;  // cleared when the window closes
};
