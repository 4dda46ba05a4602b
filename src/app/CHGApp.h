// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>
#include <string>

class CDatabaseLock;
class CDesktopEntryIndex;
class CDayTotalsThread;
class CMainFrame;
class CQtSettingsStore;
class CShareSnapshots;
class CSessionPresence;
class CSignalWatcher;
class CSingleInstance;
class CSystemClock;
class CUsageDb;
class IForegroundSampler;
class QSessionManager;

// The application: settings, the single-instance guard, the sampler, the clock and the
// database the main frame works with, and the ways the program ends.
class CHGApp : public QApplication {
    Q_OBJECT
  public:
    CHGApp(int& argc, char** argv);
    ~CHGApp() override;

    // Sets everything up and shows the main window. False: end at once with ExitCode().
    bool InitInstance();
    int ExitCode() const { return exitCode_; }

    void ShowAboutBox();

  private:
    void OnCommitData(QSessionManager& manager);
    // Tells the user why the program cannot run (box and standard error) and waits for the
    // box to close; returns false for InitInstance, with exit code 1.
    bool FailToStart(const std::string& text);

    int exitCode_ = 0;
    std::string backendName_;  // the foreground backend in use
    std::unique_ptr<CSingleInstance> instance_;
    std::unique_ptr<CQtSettingsStore> settingsStore_;
    std::unique_ptr<CDatabaseLock> dbLock_;
    // Before the sampler, which uses it.
    std::unique_ptr<CDesktopEntryIndex> entries_;
    std::unique_ptr<IForegroundSampler> sampler_;
    std::unique_ptr<CSystemClock> clock_;
    std::unique_ptr<CUsageDb> db_;
    std::unique_ptr<CDayTotalsThread> dayTotals_;
    std::unique_ptr<CSignalWatcher> signals_;
    std::unique_ptr<CShareSnapshots> snapshots_;
    std::unique_ptr<CSessionPresence> presence_;
    // Last: it refers to everything above.
    std::unique_ptr<CMainFrame> frame_;
};
