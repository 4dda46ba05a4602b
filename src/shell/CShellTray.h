#pragma once

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include "controls/BCMenu.h"

class QAction;

// The tray icon and its menu; hides the main window into the tray and brings it back.
// Without a tray the window is never hidden, so it can always be reached.
class CShellTray : public QObject {
    Q_OBJECT
  public:
    explicit CShellTray(QObject* parent = nullptr);

    static bool Available();

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

    BCMenu& Menu() { return menu_; }
    QAction& ToggleAction() { return *toggle_; }
    QAction& ReportAction() { return *report_; }
    QAction& ConfigAction() { return *config_; }
    QAction& AboutAction() { return *about_; }
    QAction& ExitAction() { return *exit_; }
    QSystemTrayIcon& Icon() { return icon_; }

  signals:
    void ReportRequested();
    void ConfigRequested();
    void AboutRequested();
    void ExitRequested();

  private:
    void UpdateMenu();
    void OnActivated(QSystemTrayIcon::ActivationReason reason);

    QPointer<QWidget> main_;
    QString tip_;
    bool visible_ = false;
    bool restoreMaximized_ = false;
    BCMenu menu_;
    QAction* toggle_;
    QAction* report_;
    QAction* config_;
    QAction* about_;
    QAction* exit_;
    QSystemTrayIcon icon_;
};
