// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <chrono>
#include <memory>

#include "core/IPresence.h"
#include "platform/presence/IIdleTime.h"

class QDBusPendingCallWatcher;

// Presence from the session's own services, kept in memory from their signals and
// asynchronous answers so the one-second step never waits on the bus:
// - locked: logind's LockedHint of this session (system bus), the desktop's screen saver
//   (org.gnome.ScreenSaver, org.freedesktop.ScreenSaver) where the desktop provides one,
//   else the display's own saver;
// - idle: the idle time source, held at 0 while the desktop reports an idle inhibitor
//   (org.gnome.SessionManager, org.freedesktop.PowerManagement.Inhibit).
class CSessionPresence : public QObject, public IPresence {
    Q_OBJECT
  public:
    // idle may be nullptr: the idle time is then unknown. desktopSavers: whether the desktop
    // itself provides the screen-saver names. Where it does not (sway, other wlroots
    // compositors) any program could claim them and pause the count, so they are not heard.
    explicit CSessionPresence(std::unique_ptr<IIdleTime> idle, bool desktopSavers = true,
                              QObject* parent = nullptr);
    ~CSessionPresence() override;

    bool Locked() override;
    int64_t IdleMs() override;

    // Whether a bus service has said anything about the lock yet.
    bool LockKnownFromBus() const { return logindAnswered_ || saverAnswered_; }

  signals:
    // A bus service's lock answer or signal arrived (for tests).
    void LockChanged();

  private slots:
    void OnGnomeSaver(bool active);
    void OnFreedesktopSaver(bool active);
    void OnLogindProperties(const QString& interface, const QVariantMap& changed,
                            const QStringList& invalidated);
    void OnGnomeInhibitors();
    void OnPowerInhibit(bool inhibited);

  private:
    void AskScreenSavers();
    void AskLogind();
    void AskLogindLock();
    void AskInhibitors();
    void SetInhibited(bool inhibited);
    // Calls the method without waiting; done gets the reply when it comes.
    void CallAsync(bool systemBus, const QString& service, const QString& path,
                   const QString& interface, const QString& method, const QVariantList& args,
                   void (CSessionPresence::*done)(QDBusPendingCallWatcher*));
    void GnomeSaverReply(QDBusPendingCallWatcher* call);
    void FreedesktopSaverReply(QDBusPendingCallWatcher* call);
    void LogindSessionReply(QDBusPendingCallWatcher* call);
    void LogindLockReply(QDBusPendingCallWatcher* call);
    void GnomeInhibitReply(QDBusPendingCallWatcher* call);
    void PowerInhibitReply(QDBusPendingCallWatcher* call);

    std::unique_ptr<IIdleTime> idle_;
    bool desktopSavers_ = true;
    QString sessionPath_;
    bool logindAnswered_ = false;
    bool logindLocked_ = false;
    bool saverAnswered_ = false;
    bool gnomeSaverActive_ = false;
    bool freedesktopSaverActive_ = false;
    bool gnomeInhibited_ = false;
    bool powerInhibited_ = false;
    bool inhibited_ = false;
    // Input idle time counts from the end of an inhibitor, not from the last input.
    std::chrono::steady_clock::time_point inhibitEnded_{};
};
