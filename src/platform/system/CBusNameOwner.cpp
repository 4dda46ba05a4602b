// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/CBusNameOwner.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

constexpr int kAskTimeoutMs = 5000;

QDBusPendingCall AskOwner(const QString& name) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetNameOwner"));
    call.setArguments({name});
    return QDBusConnection::sessionBus().asyncCall(call, kAskTimeoutMs);
}

}  // namespace

// The watcher's match is in place before the question goes out, so no change falls between.
CBusNameOwner::CBusNameOwner(const QString& name, QObject* parent)
    : QObject(parent),
      watcher_(name, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForOwnerChange),
      first_(AskOwner(name)) {
    connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                // Any change is newer than the first answer.
                firstTaken_ = true;
                changeSeen_ = true;
                owner_ = newOwner;
                emit OwnerChanged();
            });
    auto* answered = new QDBusPendingCallWatcher(first_, this);
    connect(answered, &QDBusPendingCallWatcher::finished, this, [this, answered] {
        answered->deleteLater();
        if (changeSeen_) {
            return;
        }
        if (!firstTaken_) {
            TakeFirstAnswer();
        }
        emit OwnerChanged();
    });
}

QString CBusNameOwner::Owner() {
    if (!firstTaken_ && first_.isFinished()) {
        TakeFirstAnswer();
    }
    return owner_;
}

void CBusNameOwner::TakeFirstAnswer() {
    firstTaken_ = true;
    const QDBusPendingReply<QString> reply = first_;
    // NameHasNoOwner is an answer too: nobody.
    owner_ = reply.isError() ? QString() : reply.value();
}
