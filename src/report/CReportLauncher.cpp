// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CReportLauncher.h"

#include "controls/ScreenPlacement.h"

#include <utility>

CReportLauncher::CReportLauncher(QWidget* mainWindow, std::string databasePath,
                                 CReportFrame::IconSource icons)
    : mainWindow_(mainWindow), databasePath_(std::move(databasePath)), icons_(std::move(icons)) {}

QRect CReportLauncher::InitialGeometry(const QRect& mainWindow) {
    const int left =
        mainWindow.left() > CReportFrame::kWidth ? mainWindow.left() - CReportFrame::kWidth : 200;
    const int top = mainWindow.top() < CReportFrame::kHeight ? mainWindow.top() : 100;
    return QRect(left, top, CReportFrame::kWidth, CReportFrame::kHeight);
}

CReportFrame* CReportLauncher::Open() {
    if (frame_ == nullptr) {
        frame_ = new CReportFrame(databasePath_, icons_, mainWindow_);
        if (historyOpener_) {
            frame_->SetHistoryOpener(historyOpener_);
        }
        const QRect place = InitialGeometry(mainWindow_ != nullptr ? mainWindow_->frameGeometry()
                                                                   : QRect(0, 0, 0, 0));
        PlaceOnScreen(frame_, place);
    }
    if (frame_->isMinimized()) {
        frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
    }
    frame_->show();
    frame_->raise();
    frame_->activateWindow();
    return frame_;
}
