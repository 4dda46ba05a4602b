// SPDX-License-Identifier: GPL-3.0-or-later
#include "livegraph/CLiveGraphLauncher.h"

#include <QWidget>

#include "controls/ScreenPlacement.h"

#include "livegraph/LiveWindowPlacement.h"

void CLiveGraphLauncher::Show(QWidget* mainWindow, CLiveInputData* input,
                              const IGraphImageList* images) {
    if (window_ == nullptr) {
        const QPoint corner = mainWindow->frameGeometry().topLeft();
        const WindowRect rect = LiveWindowPlacement(corner.x(), corner.y());
        window_ = new CLiveFrame(input, images, mainWindow);
        PlaceOnScreen(window_,
                      QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)));
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}
