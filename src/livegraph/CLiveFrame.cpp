// SPDX-License-Identifier: GPL-3.0-or-later
#include "livegraph/CLiveFrame.h"

#include <QKeyEvent>

#include "controls/ControlResources.h"
#include "livegraph/CLiveView.h"

CLiveFrame::CLiveFrame(CLiveInputData* input, const IGraphImageList* images, QWidget* owner)
    // A window of its own (own task-bar entry), kept on top like its always-on-top owner,
    // which would otherwise cover it where the two overlap.
    : QMainWindow(owner, Qt::Window | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Live Graph"));
    setWindowIcon(ControlResources::Icon(ControlResources::kLiveGraphIcon));
    view_ = new CLiveView(input, images, this);
    setCentralWidget(view_);
    view_->setFocus();
}

void CLiveFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
