// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CAlarmNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QVariantMap>
#include <utility>

#include "controls/CountText.h"

namespace {

QString Hours(int64_t hours) {
    return CountText("CAlarmNotifier", QT_TRANSLATE_N_NOOP("CAlarmNotifier", "%n hours"), "1 hour",
                     static_cast<int>(hours));
}

QString Minutes(int64_t minutes) {
    return CountText("CAlarmNotifier", QT_TRANSLATE_N_NOOP("CAlarmNotifier", "%n minutes"),
                     "1 minute", static_cast<int>(minutes));
}

}  // namespace

CAlarmNotifier::CAlarmNotifier(QDBusConnection bus, Fallback fallback, QObject* parent)
    : QObject(parent), bus_(std::move(bus)), fallback_(std::move(fallback)) {}

QString CAlarmNotifier::Summary() {
    return tr("Hourglint alarm");
}

QString CAlarmNotifier::Body(const QString& program, int64_t seconds, bool markup) {
    const int64_t hours = seconds / 3600;
    const int64_t minutes = seconds % 3600 / 60;
    const QString span =
        hours == 0     ? Minutes(minutes)
        : minutes == 0 ? Hours(hours)
                       : tr("%1 %2", "hours, then minutes").arg(Hours(hours), Minutes(minutes));
    return tr("%1 has been in use for %2 today.")
        .arg(markup ? program.toHtmlEscaped() : program, span);
}

void CAlarmNotifier::AlarmRaised(const std::string& program, int64_t seconds) {
    const QString name = QString::fromStdString(program);
    const QString plain = Body(name, seconds, false);
    if (!bus_.isConnected()) {
        if (fallback_) fallback_(Summary(), plain);
        emit Delivered(false);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QStringLiteral("org.hourglint.Hourglint")},
        {QStringLiteral("urgency"), QVariant::fromValue(uchar{1})},
    };
    call << QStringLiteral("Hourglint") << uint{0} << QStringLiteral("hourglint") << Summary()
         << Body(name, seconds, true) << QStringList() << hints << int{-1};
    // Sent now, answered through the event loop; a missing service answers with an error.
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, plain](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const bool byService = !done->isError();
                if (!byService && fallback_) fallback_(Summary(), plain);
                emit Delivered(byService);
            });
}
