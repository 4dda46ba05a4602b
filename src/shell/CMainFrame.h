// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QTimer>

#include "core/CUsageTracker.h"
#include "history/CHistoryLauncher.h"
#include "livegraph/CLiveGraphLauncher.h"
#include "report/CReportLauncher.h"
#include "shell/CAlarmNotifier.h"
#include "shell/CDesktopEffects.h"
#include "shell/CImageList.h"
#include "shell/CShellTray.h"

class CAlarmView;
class CAppSettings;
class CHGView;
class CMainDialogBar;
class IClock;
class IForegroundSampler;
class ISettingsStore;
class IUsageStore;
class QSplitter;

// The main window: dialog bar on top, live list above the alarm list, the one-second
// timer, the tray icon. Always on top and translucent. The settings must be loaded before.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kTimerMs = 1000;
    static constexpr int kWidth = 435;
    static constexpr int kHeight = 500;
    static constexpr int kUpperPane = 300;

    CMainFrame(CAppSettings& settings, ISettingsStore& settingsStore, IClock& clock,
               IForegroundSampler& sampler, IUsageStore& store, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // True when the start-up hid the window into the tray; the caller then does not show it.
    bool StartsHidden() const { return !tray_.IsVisible(); }

    CUsageTracker& Tracker() { return tracker_; }
    CHGView& LiveView() { return *liveView_; }
    CAlarmView& AlarmView() { return *alarmView_; }
    CMainDialogBar& DialogBar() { return *bar_; }
    QSplitter& Splitter() { return *splitter_; }
    CShellTray& Tray() { return tray_; }
    CAlarmNotifier& Notifier() { return notifier_; }
    const QTimer& Timer() const { return timer_; }
    CImageList& Images() { return images_; }
    CReportLauncher& Reports() { return reports_; }
    CHistoryLauncher& History() { return history_; }
    CLiveGraphLauncher& LiveGraph() { return liveGraph_; }

  public slots:
    // One timer tick: the start-up load on the first, the one-second step after it.
    void OnTimer();
    // Close box, Alt+F4 and the tray's Exit: asks, and on OK flushes and closes.
    void RequestExit();
    // End of the session or a termination signal: flushes and closes without asking.
    void EndSession();
    // The process ends without the event loop (the display is gone): only the pending seconds
    // are written, no window is touched and a failure goes to standard error.
    void FlushAtProcessExit();
    void ShowConfig();
    void OpenReport();
    void OpenHistory();
    void ShowLiveGraph();
    // A second start asked for the window.
    void BringForward();
    // Ctrl+H: into the tray, or only minimised where there is no tray.
    void HideToTray();

  signals:
    void AboutRequested();
    // The frame has flushed and closed; the application should end.
    void Finished();
    // OK in the Options dialog stored new settings.
    void OptionsApplied();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool ConfirmExit();
    void ShutDown();

    CAppSettings& settings_;
    ISettingsStore& settingsStore_;
    CImageList images_;
    CUsageTracker tracker_;
    CDesktopEffects effects_;
    CLiveGraphLauncher liveGraph_;
    CShellTray tray_;
    CAlarmNotifier notifier_;
    CReportLauncher reports_;
    CHistoryLauncher history_;
    QTimer timer_;
    QSplitter* splitter_ = nullptr;
    CHGView* liveView_ = nullptr;
    CAlarmView* alarmView_ = nullptr;
    CMainDialogBar* bar_ = nullptr;
    bool firstTick_ = true;
    bool shutDown_ = false;
    bool asking_ = false;
    bool panesSized_ = false;
};
