// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CShellTray.h"

#include <QAction>
#include <QWindow>

#include "controls/ControlResources.h"
#include "shell/ProgramIcon.h"

CShellTray::CShellTray(QObject* parent) : QObject(parent) {
    toggle_ = menu_.AppendItem(tr("Show/Hide the Program"), 32772);
    menu_.addSeparator();
    report_ = menu_.AppendItem(tr("&Report"), 32774);
    // &H is the first item's: "&Hide" and "&Show".
    history_ = menu_.AppendItem(tr("H&istory"), 32775);
    config_ = menu_.AppendItem(tr("&Config"), 32773);
    menu_.addSeparator();
    about_ = menu_.AppendItem(tr("&About"), 57664);
    exit_ = menu_.AppendItem(tr("E&xit"), 32783);
    menu_.LoadToolbar(ControlResources::kTrayToolbar, ControlResources::kTrayToolbarCommands);

    connect(toggle_, &QAction::triggered, this, &CShellTray::Toggle);
    connect(report_, &QAction::triggered, this, &CShellTray::ReportRequested);
    connect(history_, &QAction::triggered, this, &CShellTray::HistoryRequested);
    connect(config_, &QAction::triggered, this, &CShellTray::ConfigRequested);
    connect(about_, &QAction::triggered, this, &CShellTray::AboutRequested);
    connect(exit_, &QAction::triggered, this, &CShellTray::ExitRequested);
    connect(&menu_, &QMenu::aboutToShow, this, &CShellTray::UpdateMenu);
    connect(&icon_, &QSystemTrayIcon::activated, this, &CShellTray::OnActivated);
    // A tray often starts after the program at log-on, and panels restart.
    watch_.setInterval(kWatchMs);
    connect(&watch_, &QTimer::timeout, this, &CShellTray::WatchTray);
}

bool CShellTray::Available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void CShellTray::AddIcon(QWidget* mainWindow, const QString& tip) {
    main_ = mainWindow;
    tip_ = tip;
    icon_.setIcon(ProgramIcon());
    icon_.setToolTip(tip);
    icon_.setContextMenu(&menu_);
    shown_ = false;
    WatchTray();
    watch_.start();
    visible_ = true;
    restoreMaximized_ = false;
    UpdateMenu();
}

void CShellTray::DeleteIcon() {
    watch_.stop();
    icon_.hide();
    shown_ = false;
}

void CShellTray::WatchTray() {
    const bool available = Available();
    if (available && !shown_) {
        icon_.show();
        shown_ = true;
    } else if (!available && shown_) {
        // Hidden now, so the next show docks the icon into the tray that comes back.
        icon_.hide();
        shown_ = false;
        if (!visible_) {
            Show();  // the window would be unreachable in a tray that no longer exists
        }
    }
}

bool CShellTray::Hide() {
    if (main_ == nullptr) {
        return false;
    }
    return HideMinimized(main_->windowState());
}

bool CShellTray::HideMinimized(Qt::WindowStates before) {
    if (main_ == nullptr || !IconShown()) {
        return false;
    }
    restoreMaximized_ = before.testFlag(Qt::WindowMaximized);
    // Shown again without a position, the window manager would place the window anew. A
    // window hidden before it was ever shown (minimised at start-up) is placed as usual.
    if (main_->isVisible()) {
        place_ = main_->normalGeometry();
    }
    // Hidden while still minimised, the window manager keeps it iconic and minimises it
    // again as soon as it is shown: take the minimise back first.
    main_->setWindowState(main_->windowState() & ~Qt::WindowMinimized);
    main_->hide();
    visible_ = false;
    UpdateMenu();
    return true;
}

void CShellTray::Show() {
    if (main_ == nullptr) {
        return;
    }
    if (!main_->isVisible() && place_.isValid()) {
        main_->setGeometry(place_);
        // The window manager learns a position only from a window that set one; the
        // widget's own geometry has not changed, so tell the native window.
        if (QWindow* window = main_->windowHandle()) {
            window->setGeometry(place_);
        }
    }
    if (restoreMaximized_) {
        main_->showMaximized();
    } else {
        main_->showNormal();
    }
    main_->raise();
    main_->activateWindow();
    visible_ = true;
    UpdateMenu();
}

void CShellTray::Toggle() {
    if (visible_) {
        Hide();
    } else {
        Show();
    }
}

void CShellTray::UpdateMenu() {
    toggle_->setText((visible_ ? tr("&Hide %1") : tr("&Show %1")).arg(tip_));
}

void CShellTray::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger) {
        Toggle();
    }
}
