// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/CHistoryLauncher.h"

#include <utility>

#include "controls/ScreenPlacement.h"

CHistoryLauncher::CHistoryLauncher(QWidget* mainWindow, std::string databasePath,
                                   CHistoryFrame::IconSource icons)
    : mainWindow_(mainWindow), databasePath_(std::move(databasePath)), icons_(std::move(icons)) {}

QRect CHistoryLauncher::InitialGeometry(const QRect& mainWindow) {
    const int left =
        mainWindow.left() > CHistoryFrame::kWidth ? mainWindow.left() - CHistoryFrame::kWidth : 160;
    const int top = mainWindow.top() < CHistoryFrame::kHeight ? mainWindow.top() : 80;
    return QRect(left, top, CHistoryFrame::kWidth, CHistoryFrame::kHeight);
}

CHistoryFrame* CHistoryLauncher::Open(std::optional<int64_t> day) {
    const bool created = frame_ == nullptr;
    if (created) {
        frame_ = new CHistoryFrame(databasePath_, icons_, mainWindow_);
        PlaceOnScreen(frame_, InitialGeometry(mainWindow_ != nullptr ? mainWindow_->frameGeometry()
                                                                     : QRect(0, 0, 0, 0)));
    }
    if (frame_->isMinimized()) {
        frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
    }
    frame_->show();
    frame_->raise();
    frame_->activateWindow();
    if (day) {
        frame_->ShowDay(*day);
    } else if (created) {
        frame_->Refresh();
    }
    return frame_;
}
