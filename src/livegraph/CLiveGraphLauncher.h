// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

#include "livegraph/CLiveFrame.h"

class QWidget;

// Opens the one live graph window, or shows the open one again with its history.
class CLiveGraphLauncher {
  public:
    CLiveGraphLauncher() = default;
    CLiveGraphLauncher(const CLiveGraphLauncher&) = delete;
    CLiveGraphLauncher& operator=(const CLiveGraphLauncher&) = delete;

    void Show(QWidget* mainWindow, CLiveInputData* input, const IGraphImageList* images);
    // The open window, or null once it has been closed.
    CLiveFrame* Window() const { return window_; }

  private:
    QPointer<CLiveFrame> window_;  // cleared by Qt when the window is destroyed
};
