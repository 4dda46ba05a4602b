// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/presence/CSessionPresence.h"

#include <unistd.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <algorithm>

namespace {

const QString kGnomeSaver = QStringLiteral("org.gnome.ScreenSaver");
const QString kGnomeSaverPath = QStringLiteral("/org/gnome/ScreenSaver");
const QString kSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kGnomeSession = QStringLiteral("org.gnome.SessionManager");
const QString kGnomeSessionPath = QStringLiteral("/org/gnome/SessionManager");
const QString kPower = QStringLiteral("org.freedesktop.PowerManagement");
const QString kPowerPath = QStringLiteral("/org/freedesktop/PowerManagement/Inhibit");
const QString kPowerInterface = QStringLiteral("org.freedesktop.PowerManagement.Inhibit");
const QString kLogin = QStringLiteral("org.freedesktop.login1");
const QString kLoginSession = QStringLiteral("org.freedesktop.login1.Session");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kLockedHint = QStringLiteral("LockedHint");
// GNOME's inhibitor flag for "idle"
constexpr uint kInhibitIdle = 8;

QDBusConnection Bus(bool systemBus) {
    return systemBus ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
}

}  // namespace

CSessionPresence::CSessionPresence(std::unique_ptr<IIdleTime> idle, bool desktopSavers,
                                   QObject* parent)
    : QObject(parent), idle_(std::move(idle)), desktopSavers_(desktopSavers) {
    QDBusConnection session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        if (desktopSavers_) {
            session.connect(kGnomeSaver, kGnomeSaverPath, kGnomeSaver,
                            QStringLiteral("ActiveChanged"), this, SLOT(OnGnomeSaver(bool)));
            session.connect(kSaver, kSaverPath, kSaver, QStringLiteral("ActiveChanged"), this,
                            SLOT(OnFreedesktopSaver(bool)));
        }
        for (const char* signal : {"InhibitorAdded", "InhibitorRemoved"}) {
            session.connect(kGnomeSession, kGnomeSessionPath, kGnomeSession,
                            QString::fromLatin1(signal), this, SLOT(OnGnomeInhibitors()));
        }
        session.connect(kPower, kPowerPath, kPowerInterface, QStringLiteral("HasInhibitChanged"),
                        this, SLOT(OnPowerInhibit(bool)));
        // A desktop service that starts (or restarts) after us is asked again.
        auto* watcher = new QDBusServiceWatcher(this);
        watcher->setConnection(session);
        watcher->setWatchMode(QDBusServiceWatcher::WatchForRegistration);
        for (const QString& name : {kGnomeSession, kPower}) {
            watcher->addWatchedService(name);
        }
        if (desktopSavers_) {
            watcher->addWatchedService(kGnomeSaver);
            watcher->addWatchedService(kSaver);
        }
        connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
            AskScreenSavers();
            AskInhibitors();
        });
        AskScreenSavers();
        AskInhibitors();
    }
    if (QDBusConnection::systemBus().isConnected()) {
        AskLogind();
    }
}

CSessionPresence::~CSessionPresence() = default;

bool CSessionPresence::Locked() {
    if (logindLocked_ || gnomeSaverActive_ || freedesktopSaverActive_) {
        return true;
    }
    // The display's own saver only where no bus service tells.
    if (LockKnownFromBus() || !idle_) {
        return false;
    }
    return idle_->SaverActive().value_or(false);
}

int64_t CSessionPresence::IdleMs() {
    if (inhibited_) {
        return 0;
    }
    if (!idle_) {
        return -1;
    }
    int64_t idle = idle_->IdleMs();
    if (idle >= 0 && inhibitEnded_ != std::chrono::steady_clock::time_point{}) {
        const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - inhibitEnded_);
        idle = std::min<int64_t>(idle, since.count());
    }
    return idle;
}

void CSessionPresence::CallAsync(bool systemBus, const QString& service, const QString& path,
                                 const QString& interface, const QString& method,
                                 const QVariantList& args,
                                 void (CSessionPresence::*done)(QDBusPendingCallWatcher*)) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(args);
    // Asking must not start a screen saver or a power manager that is not running.
    message.setAutoStartService(false);
    auto* watcher = new QDBusPendingCallWatcher(Bus(systemBus).asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, done](QDBusPendingCallWatcher* call) {
                (this->*done)(call);
                call->deleteLater();
            });
}

void CSessionPresence::AskScreenSavers() {
    if (!desktopSavers_) {
        return;
    }
    CallAsync(false, kGnomeSaver, kGnomeSaverPath, kGnomeSaver, QStringLiteral("GetActive"), {},
              &CSessionPresence::GnomeSaverReply);
    // GNOME answers this one with NotSupported: only a value counts.
    CallAsync(false, kSaver, kSaverPath, kSaver, QStringLiteral("GetActive"), {},
              &CSessionPresence::FreedesktopSaverReply);
}

void CSessionPresence::GnomeSaverReply(QDBusPendingCallWatcher* call) {
    const QDBusPendingReply<bool> reply = *call;
    if (!reply.isError()) OnGnomeSaver(reply.value());
}

void CSessionPresence::FreedesktopSaverReply(QDBusPendingCallWatcher* call) {
    const QDBusPendingReply<bool> reply = *call;
    if (!reply.isError()) OnFreedesktopSaver(reply.value());
}

void CSessionPresence::OnGnomeSaver(bool active) {
    saverAnswered_ = true;
    gnomeSaverActive_ = active;
    emit LockChanged();
}

void CSessionPresence::OnFreedesktopSaver(bool active) {
    saverAnswered_ = true;
    freedesktopSaverActive_ = active;
    emit LockChanged();
}

void CSessionPresence::AskLogind() {
    const QByteArray id = qgetenv("XDG_SESSION_ID");
    const QString manager = QStringLiteral("/org/freedesktop/login1");
    const QString managerInterface = QStringLiteral("org.freedesktop.login1.Manager");
    if (!id.isEmpty()) {
        CallAsync(true, kLogin, manager, managerInterface, QStringLiteral("GetSession"),
                  {QString::fromUtf8(id)}, &CSessionPresence::LogindSessionReply);
    } else {
        CallAsync(true, kLogin, manager, managerInterface, QStringLiteral("GetSessionByPID"),
                  {static_cast<uint>(getpid())}, &CSessionPresence::LogindSessionReply);
    }
}

void CSessionPresence::LogindSessionReply(QDBusPendingCallWatcher* call) {
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        return;  // not in a logind session
    }
    sessionPath_ = reply.value().path();
    QDBusConnection::systemBus().connect(
        kLogin, sessionPath_, kProperties, QStringLiteral("PropertiesChanged"), this,
        SLOT(OnLogindProperties(QString, QVariantMap, QStringList)));
    AskLogindLock();
}

void CSessionPresence::AskLogindLock() {
    CallAsync(true, kLogin, sessionPath_, kProperties, QStringLiteral("Get"),
              {kLoginSession, kLockedHint}, &CSessionPresence::LogindLockReply);
}

void CSessionPresence::LogindLockReply(QDBusPendingCallWatcher* call) {
    const QDBusPendingReply<QDBusVariant> reply = *call;
    if (reply.isError()) {
        return;
    }
    logindAnswered_ = true;
    logindLocked_ = reply.value().variant().toBool();
    emit LockChanged();
}

void CSessionPresence::OnLogindProperties(const QString& interface, const QVariantMap& changed,
                                          const QStringList& invalidated) {
    if (interface != kLoginSession) {
        return;
    }
    if (changed.contains(kLockedHint)) {
        logindAnswered_ = true;
        logindLocked_ = changed.value(kLockedHint).toBool();
        emit LockChanged();
    } else if (invalidated.contains(kLockedHint)) {
        AskLogindLock();
    }
}

void CSessionPresence::AskInhibitors() {
    OnGnomeInhibitors();
    CallAsync(false, kPower, kPowerPath, kPowerInterface, QStringLiteral("HasInhibit"), {},
              &CSessionPresence::PowerInhibitReply);
}

void CSessionPresence::OnGnomeInhibitors() {
    CallAsync(false, kGnomeSession, kGnomeSessionPath, kGnomeSession, QStringLiteral("IsInhibited"),
              {kInhibitIdle}, &CSessionPresence::GnomeInhibitReply);
}

void CSessionPresence::GnomeInhibitReply(QDBusPendingCallWatcher* call) {
    const QDBusPendingReply<bool> reply = *call;
    if (reply.isError()) return;
    gnomeInhibited_ = reply.value();
    SetInhibited(gnomeInhibited_ || powerInhibited_);
}

void CSessionPresence::PowerInhibitReply(QDBusPendingCallWatcher* call) {
    const QDBusPendingReply<bool> reply = *call;
    if (!reply.isError()) OnPowerInhibit(reply.value());
}

void CSessionPresence::OnPowerInhibit(bool inhibited) {
    powerInhibited_ = inhibited;
    SetInhibited(gnomeInhibited_ || powerInhibited_);
}

void CSessionPresence::SetInhibited(bool inhibited) {
    if (inhibited_ && !inhibited) {
        inhibitEnded_ = std::chrono::steady_clock::now();
    }
    inhibited_ = inhibited;
}
