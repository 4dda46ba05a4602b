#include "livegraph/CLiveGraphLauncher.h"

#include <QWidget>

#include "livegraph/LiveWindowPlacement.h"

void CLiveGraphLauncher::Show(QWidget* mainWindow, CLiveInputData* input,
                              const IGraphImageList* images) {
    if (window_ == nullptr) {
        const QPoint corner = mainWindow->frameGeometry().topLeft();
        const WindowRect rect = LiveWindowPlacement(corner.x(), corner.y());
        window_ = new CLiveFrame(input, images, mainWindow);
        window_->move(rect.left, rect.top);
        window_->resize(rect.right - rect.left, rect.bottom - rect.top);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}
