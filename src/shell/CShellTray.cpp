#include "shell/CShellTray.h"

#include <QAction>

#include "controls/ControlResources.h"
#include "shell/ProgramIcon.h"

CShellTray::CShellTray(QObject* parent) : QObject(parent) {
    toggle_ = menu_.AppendItem(QStringLiteral("Show/Hide the Program"), 32772);
    menu_.addSeparator();
    report_ = menu_.AppendItem(QStringLiteral("&Report"), 32774);
    config_ = menu_.AppendItem(QStringLiteral("&Config"), 32773);
    menu_.addSeparator();
    about_ = menu_.AppendItem(QStringLiteral("&About"), 57664);
    exit_ = menu_.AppendItem(QStringLiteral("E&xit"), 32783);
    menu_.LoadToolbar(ControlResources::kTrayToolbar, ControlResources::kTrayToolbarCommands);

    connect(toggle_, &QAction::triggered, this, &CShellTray::Toggle);
    connect(report_, &QAction::triggered, this, &CShellTray::ReportRequested);
    connect(config_, &QAction::triggered, this, &CShellTray::ConfigRequested);
    connect(about_, &QAction::triggered, this, &CShellTray::AboutRequested);
    connect(exit_, &QAction::triggered, this, &CShellTray::ExitRequested);
    connect(&menu_, &QMenu::aboutToShow, this, &CShellTray::UpdateMenu);
    connect(&icon_, &QSystemTrayIcon::activated, this, &CShellTray::OnActivated);
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
    if (Available()) {
        icon_.show();
    }
    visible_ = true;
    restoreMaximized_ = false;
    UpdateMenu();
}

void CShellTray::DeleteIcon() {
    icon_.hide();
}

bool CShellTray::Hide() {
    if (main_ == nullptr) {
        return false;
    }
    return HideMinimized(main_->windowState());
}

bool CShellTray::HideMinimized(Qt::WindowStates before) {
    if (main_ == nullptr || !Available()) {
        return false;
    }
    restoreMaximized_ = before.testFlag(Qt::WindowMaximized);
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
    toggle_->setText((visible_ ? QStringLiteral("&Hide ") : QStringLiteral("&Show ")) + tip_);
}

void CShellTray::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger) {
        Toggle();
    }
}
