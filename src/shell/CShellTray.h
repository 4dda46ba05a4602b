// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSystemTrayIcon>
#include <QTimer>

#include "controls/BCMenu.h"

class QAction;

// The tray icon and its menu; hides the main window into the tray and brings it back.
// Without a tray the window is never hidden, so it can always be reached.
class CShellTray : public QObject {
    Q_OBJECT
  public:
    explicit CShellTray(QObject* parent = nullptr);

    static bool Available();
    // How often a tray that starts, stops or restarts after the icon was added is noticed.
    static constexpr int kWatchMs = 1000;

    void AddIcon(QWidget* mainWindow, const QString& tip);
    void DeleteIcon();
    // Hides the main window; false, with nothing changed, when there is no tray.
    bool Hide();
    // Hides after a minimise; before: the window's state before it, so a maximised window
    // comes back maximised.
    bool HideMinimized(Qt::WindowStates before);
    void Show();
    void Toggle();
    bool IsVisible() const { return visible_; }
    // True while the icon sits in a tray, so a hidden window can be brought back.
    bool IconShown() const { return shown_ && Available(); }

    BCMenu& Menu() { return menu_; }
    QAction& ToggleAction() { return *toggle_; }
    QAction& ReportAction() { return *report_; }
    QAction& HistoryAction() { return *history_; }
    QAction& ConfigAction() { return *config_; }
    QAction& AboutAction() { return *about_; }
    QAction& ExitAction() { return *exit_; }
    QSystemTrayIcon& Icon() { return icon_; }

  signals:
    void ReportRequested();
    void HistoryRequested();
    void ConfigRequested();
    void AboutRequested();
    void ExitRequested();

  private:
    void UpdateMenu();
    // Docks the icon into a tray that has appeared; shows the window when the tray is gone.
    void WatchTray();
    void OnActivated(QSystemTrayIcon::ActivationReason reason);

    QPointer<QWidget> main_;
    QString tip_;
    bool visible_ = false;
    bool restoreMaximized_ = false;
    QRect place_;  // the window's normal geometry when it was hidden
    bool shown_ = false;
    QTimer watch_;
    BCMenu menu_;
    QAction* toggle_;
    QAction* report_;
    QAction* history_;
    QAction* config_;
    QAction* about_;
    QAction* exit_;
    QSystemTrayIcon icon_;
};
