// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CMainFrame.h"

#include <cstdio>

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>
#include <algorithm>

#include "controls/CDigitLabel.h"
#include "controls/ReadingOrder.h"
#include "core/CAppSettings.h"
#include "core/IForegroundSampler.h"
#include "core/Message.h"
#include "shell/CAlarmView.h"
#include "shell/CConfigDlg.h"
#include "shell/CHGView.h"
#include "shell/CMainDialogBar.h"
#include "shell/ProgramIcon.h"
#include "shell/ShellMessages.h"

namespace {

// The Options dialog offers no less; a hand-edited 0 would make the window invisible.
constexpr int kMinimumAlpha = 63;

}  // namespace

CMainFrame::CMainFrame(CAppSettings& settings, ISettingsStore& settingsStore, IClock& clock,
                       IForegroundSampler& sampler, IUsageStore& store, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      settings_(settings),
      settingsStore_(settingsStore),
      tracker_(settings, clock, sampler, store),
      effects_(*this,
               CAutorun(QStringLiteral("Hourglint"), QCoreApplication::applicationFilePath())),
      notifier_(QDBusConnection::sessionBus(),
                [this](const QString& title, const QString& text) {
                    if (tray_.IconShown()) tray_.Icon().showMessage(title, text);
                }),
      reports_(this, settings.DatabasePath(),
               [&sampler](const std::string& path) { return sampler.ExtractIcon(path, false); }),
      history_(this, settings.DatabasePath(),
               [&sampler](const std::string& path) { return sampler.ExtractIcon(path, false); }) {
    setWindowTitle(QStringLiteral("Hourglint"));
    setWindowIcon(ProgramIcon());

    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    bar_ = new CMainDialogBar(client, &clock);
    column->addWidget(bar_);
    splitter_ = new QSplitter(Qt::Vertical, client);
    splitter_->setChildrenCollapsible(false);
    liveView_ = new CHGView(splitter_);
    alarmView_ = new CAlarmView(splitter_);
    splitter_->addWidget(liveView_);
    splitter_->addWidget(alarmView_);
    KeepReadingOrder(*splitter_);
    liveView_->setAccessibleName(tr("Running programs"));
    alarmView_->setAccessibleName(tr("Alarms"));
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 1);
    column->addWidget(splitter_, 1);
    setCentralWidget(client);

    tracker_.Attach(&liveView_->Model(), &alarmView_->Model(), &bar_->Clock(), &images_);
    tracker_.SetAlarmNotifier(&notifier_);

    connect(bar_, &CMainDialogBar::ReportClicked, this, &CMainFrame::OpenReport);
    connect(bar_, &CMainDialogBar::HistoryClicked, this, &CMainFrame::OpenHistory);
    reports_.SetHistoryOpener([this](int64_t day) { history_.Open(day); });
    connect(bar_, &CMainDialogBar::LiveGraphClicked, this, &CMainFrame::ShowLiveGraph);
    connect(bar_, &CMainDialogBar::ConfigClicked, this, &CMainFrame::ShowConfig);
    connect(bar_, &CMainDialogBar::AboutClicked, this, &CMainFrame::AboutRequested);

    setWindowOpacity(std::max<int>(settings_.Values().iALPHA, kMinimumAlpha) / 255.0);

    timer_.setInterval(kTimerMs);
    // Precise: each timeout should stand for one wall-clock second.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &CMainFrame::OnTimer);
    timer_.start();

    tray_.AddIcon(this, QStringLiteral("Hourglint"));
    connect(&tray_, &CShellTray::ReportRequested, this, &CMainFrame::OpenReport);
    connect(&tray_, &CShellTray::HistoryRequested, this, &CMainFrame::OpenHistory);
    connect(&tray_, &CShellTray::ConfigRequested, this, &CMainFrame::ShowConfig);
    connect(&tray_, &CShellTray::AboutRequested, this, &CMainFrame::AboutRequested);
    connect(&tray_, &CShellTray::ExitRequested, this, &CMainFrame::RequestExit);
    if (settings_.Values().bMinimizeOnStartup) {
        tray_.Hide();
    }
    auto* hide = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    connect(hide, &QShortcut::activated, this, &CMainFrame::HideToTray);

    resize(kWidth, kHeight);

    // Boxes raised while no window of ours is active belong to this window.
    SetBoxOwner(this);
}

CMainFrame::~CMainFrame() {
    SetBoxOwner(nullptr);
    timer_.stop();
    tray_.DeleteIcon();
    // The views refer to the image list and the tracker to the views: take the widgets
    // down while those members still exist.
    delete liveGraph_.Window();
    delete takeCentralWidget();
}

void CMainFrame::OnTimer() {
    if (firstTick_) {
        firstTick_ = false;
        tracker_.LoadToday();
    } else {
        tracker_.Tick();
    }
}

void CMainFrame::RequestExit() {
    close();
}

bool CMainFrame::ConfirmExit() {
    // One question at a time; ticks and a session end may arrive while it is open.
    if (asking_) {
        return false;
    }
    asking_ = true;
    const bool ok = AskOkCancel(tr("Do you want to exit the program?"));
    asking_ = false;
    return ok && !shutDown_;
}

void CMainFrame::EndSession() {
    if (!shutDown_) {
        ShutDown();
        close();
    }
}

void CMainFrame::FlushAtProcessExit() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    SetMessageHandler(
        [](const std::string& text) { std::fprintf(stderr, "Hourglint: %s\n", text.c_str()); });
    tracker_.FlushNow();
}

void CMainFrame::ShutDown() {
    shutDown_ = true;
    tray_.DeleteIcon();
    // No tick after the final flush, or its second would be lost.
    timer_.stop();
    tracker_.FlushNow();
    emit Finished();
}

void CMainFrame::ShowConfig() {
    if (CConfigDlg::Edit(settings_, effects_, settingsStore_, this)) {
        emit OptionsApplied();
    }
}

void CMainFrame::OpenReport() {
    reports_.Open();
}

void CMainFrame::OpenHistory() {
    history_.Open();
}

void CMainFrame::ShowLiveGraph() {
    liveGraph_.Show(this, &tracker_.LiveInput(), &images_);
}

void CMainFrame::BringForward() {
    if (!isVisible()) {
        tray_.Show();
    } else if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    raise();
    activateWindow();
    // An open dialog must come forward too, or the window would sit blocked behind it.
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != this) {
        modal->setWindowState(modal->windowState() & ~Qt::WindowMinimized);
        modal->show();
        modal->raise();
        modal->activateWindow();
    }
}

void CMainFrame::HideToTray() {
    if (!tray_.Hide()) {
        showMinimized();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (shutDown_) {
        event->accept();
        return;
    }
    if (!ConfirmExit()) {
        event->ignore();
        return;
    }
    ShutDown();
    event->accept();
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!panesSized_) {
        // The upper pane starts about 300 pixels high and the lower one takes the rest;
        // sizes only mean that once the layout has given the splitter its height.
        panesSized_ = true;
        const int rest = splitter_->height() - splitter_->handleWidth() - kUpperPane;
        splitter_->setSizes({kUpperPane, std::max(rest, 1)});
    }
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized() || !tray_.IconShown()) {
        return;
    }
    // A modal dialog blocks the tray icon's clicks: hidden, the window could not come back.
    if (QApplication::activeModalWidget() != nullptr) {
        return;
    }
    const Qt::WindowStates before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    // Hiding inside the state change confuses some window managers; do it right after.
    QTimer::singleShot(0, this, [this, before] {
        if (isMinimized()) {
            tray_.HideMinimized(before);
        }
    });
}
