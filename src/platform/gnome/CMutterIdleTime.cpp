// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/CMutterIdleTime.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
constexpr std::chrono::milliseconds kAnswerAge{500};
}

CMutterIdleTime::CMutterIdleTime(const QDBusConnection& bus) : m_bus(bus) {
    Ask();
}

int64_t CMutterIdleTime::IdleMs() {
    const auto now = std::chrono::steady_clock::now();
    if (!m_pending && (!m_askedAt || now - *m_askedAt >= kAnswerAge)) {
        Ask();
    }
    if (!m_answered) {
        return -1;
    }
    return m_idleMs +
           std::chrono::duration_cast<std::chrono::milliseconds>(now - m_answeredAt).count();
}

void CMutterIdleTime::Ask() {
    m_pending = true;
    m_askedAt = std::chrono::steady_clock::now();
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Mutter.IdleMonitor"),
        QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
        QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("GetIdletime"));
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), &m_calls);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &m_calls,
                     [this](QDBusPendingCallWatcher* done) {
                         const QDBusPendingReply<quint64> reply = *done;
                         m_pending = false;
                         // No Mutter on this bus (or it left): the idle time is unknown.
                         m_answered = !reply.isError();
                         if (m_answered) {
                             m_idleMs = static_cast<int64_t>(reply.value());
                             m_answeredAt = std::chrono::steady_clock::now();
                         }
                         done->deleteLater();
                     });
}
