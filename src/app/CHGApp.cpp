// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CHGApp.h"

#include <QEventLoop>
#include <QScreen>
#include <QSessionManager>
#include <QString>
#include <QSysInfo>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/CDayTotalsThread.h"
#include "app/CSignalWatcher.h"
#include "app/CSingleInstance.h"
#include "app/CSystemClock.h"
#include "controls/AccessibleFactory.h"
#include "controls/TestPalette.h"
#include "core/CAppSettings.h"
#include "core/CShareSettings.h"
#include "core/Message.h"
#include "db/CUsageDb.h"
#include "platform/backend/ForegroundBackend.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/desktop/IconScale.h"
#include "platform/presence/CSessionPresence.h"
#include "platform/system/CDatabaseLock.h"
#include "platform/system/CQtSettingsStore.h"
#include "platform/system/ProgramFolder.h"
#include "platform/system/Translations.h"
#include "shell/CAboutDlg.h"
#include "shell/CMainFrame.h"
#include "shell/CShareSnapshots.h"
#include "shell/ProgramIcon.h"
#include "shell/ShellMessages.h"

namespace {

// Tests shorten the idle pause to this many seconds; never set for users.
int IdleSecondsForTests() {
    return qEnvironmentVariableIntValue("HOURGLINT_IDLE_SECONDS");
}

// The frame while the event loop may still end the process behind our back: Qt calls exit()
// when the display connection breaks (the X server died or was killed first at logout).
CMainFrame* liveFrame = nullptr;

void FlushAtProcessExit() {
    if (liveFrame != nullptr) {
        liveFrame->FlushAtProcessExit();
    }
}

}  // namespace

CHGApp::CHGApp(int& argc, char** argv) : QApplication(argc, argv) {
    SetApplicationNames();
    InstallTranslations();
    setApplicationVersion(QStringLiteral(HOURGLINT_VERSION));
    setWindowIcon(ProgramIcon());
    ApplyTestPalette();
    // Program icons are read once: at the finest screen's pixels.
    qreal ratio = 1;
    for (const QScreen* screen : screens()) {
        ratio = std::max(ratio, screen->devicePixelRatio());
    }
    SetProgramIconRatio(ratio);
    // The window may sit hidden in the tray while a dialog closes; only Exit ends the program.
    setQuitOnLastWindowClosed(false);
}

CHGApp::~CHGApp() {
    liveFrame = nullptr;
    frame_.reset();
    SetMessageHandler(MessageHandler());
}

bool CHGApp::InitInstance() {
    InstallMessageBoxHandler();
    // Before any window: an interface once made for a widget is kept.
    InstallAccessibleFactory();

    instance_ = std::make_unique<CSingleInstance>();
    switch (instance_->Claim()) {
        case CSingleInstance::Outcome::First:
            break;
        case CSingleInstance::Outcome::HandedOver:
            exitCode_ = 0;  // the running program has been asked to come forward
            return false;
        case CSingleInstance::Outcome::Failed:
            return FailToStart(instance_->Problem().toStdString());
    }

    settingsStore_ = std::make_unique<CQtSettingsStore>();
    std::string problem;
    const std::string folder = PrepareProgramFolder(problem);
    if (folder.empty()) {
        return FailToStart(problem);
    }
    TheSettings().SetProgramFolder(folder);
    TheSettings().Load(*settingsStore_);
    TheShareSettings().Load(*settingsStore_, QSysInfo::machineHostName().toStdString());

    // Another login or runtime folder has its own single-instance lock, but must not count
    // the same seconds into the same file.
    dbLock_ = std::make_unique<CDatabaseLock>(TheSettings().DatabasePath());
    if (!dbLock_->Acquire()) {
        return FailToStart(dbLock_->Problem());
    }

    // Read meanwhile on a worker: the one index of the entries, for the sampler and, through
    // its icons, the report and the group editor.
    entries_ = std::make_unique<CDesktopEntryIndex>();
    entries_->Start();

    std::string error;
    const SessionFacts session = ReadSessionFacts();
    const ForegroundBackend* backend = ChooseForegroundBackend(session, error);
    if (backend != nullptr) {
        sampler_ = backend->open(session, *entries_, error);
        backendName_ = ForegroundBackendName(*backend);
    }
    if (!sampler_) {
        // Without a sampler every second would be credited to nothing.
        return FailToStart(error.empty() ? tr("Cannot open the X11 display.").toStdString()
                                         : error);
    }
    clock_ = std::make_unique<CSystemClock>();
    db_ = std::make_unique<CUsageDb>(TheSettings().DatabasePath());
    db_->AddMissingIndexes();
    dayTotals_ = std::make_unique<CDayTotalsThread>(TheSettings().DatabasePath());

    presence_ = std::make_unique<CSessionPresence>(backend->openIdle(), backend->desktopSavers);
    frame_ = std::make_unique<CMainFrame>(TheSettings(), *settingsStore_, *clock_, *sampler_, *db_);
    liveFrame = frame_.get();
    static const bool registered = std::atexit(FlushAtProcessExit) == 0;
    (void)registered;
    frame_->Tracker().SetPresence(presence_.get(), IdleSecondsForTests());
    connect(frame_.get(), &CMainFrame::AboutRequested, this, &CHGApp::ShowAboutBox);
    // The snapshot for the other computers: at start, every hour, after Options and, with
    // the final flush done, at exit.
    snapshots_ = std::make_unique<CShareSnapshots>(TheSettings().DatabasePath(), TheShareSettings(),
                                                   *settingsStore_);
    connect(frame_.get(), &CMainFrame::Finished, snapshots_.get(), &CShareSnapshots::WriteAtExit,
            Qt::DirectConnection);
    connect(frame_.get(), &CMainFrame::OptionsApplied, snapshots_.get(),
            &CShareSnapshots::WriteNow);
    snapshots_->Start();
    // exit() rather than quit(): it also ends the loops of dialogs that are still open.
    connect(
        frame_.get(), &CMainFrame::Finished, this, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    connect(instance_.get(), &CSingleInstance::ActivationRequested, frame_.get(),
            &CMainFrame::BringForward);

    signals_ = std::make_unique<CSignalWatcher>();
    connect(signals_.get(), &CSignalWatcher::Signalled, frame_.get(), &CMainFrame::EndSession);
    connect(this, &QGuiApplication::commitDataRequest, this, &CHGApp::OnCommitData,
            Qt::DirectConnection);
    // Any other way out of the event loop still writes the pending seconds.
    connect(this, &QCoreApplication::aboutToQuit, frame_.get(), &CMainFrame::EndSession);

    if (!frame_->StartsHidden()) {
        frame_->show();
    }
    // Today's totals as soon as the event loop runs, not a second later; the timer's first
    // timeout then credits the first second.
    QTimer::singleShot(0, frame_.get(), &CMainFrame::OnTimer);
    return true;
}

bool CHGApp::FailToStart(const std::string& text) {
    // Standard error too: a start from a script or a terminal should say why it ended.
    std::fprintf(stderr, "Hourglint: %s\n", text.c_str());
    // No timer runs yet, so the box may wait for the user before the program ends.
    bool closed = false;
    QEventLoop loop;
    ShowMessage(text, [&closed, &loop] {
        closed = true;
        loop.quit();
    });
    if (!closed) {
        loop.exec();
    }
    exitCode_ = 1;
    return false;
}

void CHGApp::OnCommitData(QSessionManager& manager) {
    // The session ends: no question, the seconds go to the database.
    manager.setRestartHint(QSessionManager::RestartNever);
    frame_->EndSession();
}

void CHGApp::ShowAboutBox() {
    CAboutDlg about(frame_ ? frame_.get() : nullptr, QString::fromStdString(backendName_),
                    QString::fromStdString(TheSettings().DatabasePath()));
    BringAboveOwner(&about);
    about.exec();
}
