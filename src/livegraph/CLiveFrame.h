// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class CLiveInputData;
class CLiveView;
class IGraphImageList;

// The "Live Graph" window, owned by the main window and holding the live view. It deletes
// itself when closed, taking its history with it.
class CLiveFrame : public QMainWindow {
    Q_OBJECT
  public:
    CLiveFrame(CLiveInputData* input, const IGraphImageList* images, QWidget* owner);

    CLiveView& View() { return *view_; }

  protected:
    // Escape closes the window once the view has no cursor left to hide.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    CLiveView* view_;
};
