// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/CMutterIdleTime.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
constexpr std::chrono::milliseconds kAnswerAge{500};
}

CMutterIdleTime::CMutterIdleTime(const QDBusConnection& bus) : bus_(bus) {
    Ask();
}

int64_t CMutterIdleTime::IdleMs() {
    const auto now = std::chrono::steady_clock::now();
    if (!pending_ && (!askedAt_ || now - *askedAt_ >= kAnswerAge)) {
        Ask();
    }
    if (!answered_) {
        return -1;
    }
    return idleMs_ +
           std::chrono::duration_cast<std::chrono::milliseconds>(now - answeredAt_).count();
}

void CMutterIdleTime::Ask() {
    pending_ = true;
    askedAt_ = std::chrono::steady_clock::now();
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Mutter.IdleMonitor"),
        QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
        QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("GetIdletime"));
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), &calls_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &calls_,
                     [this](QDBusPendingCallWatcher* done) {
                         const QDBusPendingReply<quint64> reply = *done;
                         pending_ = false;
                         // No Mutter on this bus (or it left): the idle time is unknown.
                         answered_ = !reply.isError();
                         if (answered_) {
                             idleMs_ = static_cast<int64_t>(reply.value());
                             answeredAt_ = std::chrono::steady_clock::now();
                         }
                         done->deleteLater();
                     });
}
