#include "livegraph/CLiveFrame.h"

#include "livegraph/CLiveView.h"

CLiveFrame::CLiveFrame(CLiveInputData* input, const IGraphImageList* images, QWidget* owner)
    : QMainWindow(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Live Graph"));
    // The owner's icon: the program icon.
    if (owner != nullptr) setWindowIcon(owner->windowIcon());
    view_ = new CLiveView(input, images, this);
    setCentralWidget(view_);
    view_->setFocus();
}
