// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CAlarmNotifier.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QProcess>
#include <cstdlib>
#include <functional>

#include "FakeClock.h"
#include "FakeSampler.h"
#include "FakeSettingsStore.h"
#include "FakeUsageStore.h"
#include "core/CAppSettings.h"
#include "core/CUsageTracker.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

bool WaitFor(const std::function<bool()>& done) {
    QDeadlineTimer deadline(20000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return done();
}

// The Notify calls the mock service has seen, each as its arguments.
std::vector<QVariantList> NotifyCalls() {
    QDBusMessage ask =
        QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.Mock"),
                                       QStringLiteral("GetMethodCalls"));
    ask << QStringLiteral("Notify");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(ask);
    std::vector<QVariantList> calls;
    if (reply.type() != QDBusMessage::ReplyMessage) return calls;
    const QDBusArgument list = reply.arguments().value(0).value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        qulonglong when = 0;
        QVariantList args;
        list.beginStructure();
        list >> when >> args;
        list.endStructure();
        calls.push_back(args);
    }
    list.endArray();
    return calls;
}

// Run by CTest under dbus-run-session. A minute's alarm raised by the tracker, a program
// name that reads as markup, and python3-dbusmock's notification service, missing at first.
TEST(AlarmNotifyTest, OneNotifyPerAlarmEscapedOffWhenUncheckedAndNeverAWait) {
    ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "needs dbus-run-session";
    int argc = 1;
    char name[] = "alarm-notify-test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.isConnected());
    QProcess service;

    struct Case {
        const char* what;
        bool service;
        bool option;
        size_t calls;  // Notify calls the service sees
        int fallbacks;
    };
    const Case cases[] = {
        {"no service: the tray's message", false, true, 0, 1},
        {"a service", true, true, 1, 0},
        {"the option off", true, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.service && service.state() == QProcess::NotRunning) {
            service.start(QStringLiteral("/usr/bin/python3"),
                          {QStringLiteral("-m"), QStringLiteral("dbusmock"),
                           QStringLiteral("--template"), QStringLiteral("notification_daemon")});
            ASSERT_TRUE(service.waitForStarted(10000));
            ASSERT_TRUE(WaitFor([&] { return bus.interface()->isServiceRegistered(kService); }))
                << "python3-dbusmock: " << service.readAllStandardError().toStdString();
        }
        if (c.service) {
            bus.call(QDBusMessage::createMethodCall(kService, kPath,
                                                    QStringLiteral("org.freedesktop.DBus.Mock"),
                                                    QStringLiteral("ClearCalls")));
        }
        FakeSettingsStore store;
        store.values = {{"iAlarmForMinutes", 1}, {"bAlarmNotify", c.option ? 1 : 0}};
        CAppSettings settings;
        settings.Load(store);
        FakeClock clock;
        clock.now = 1796724000;
        FakeSampler sampler;
        sampler.Set("a<b> & c", "/opt/ab/c");
        FakeUsageStore seconds;
        int fallbacks = 0;
        QString fallbackText;
        CAlarmNotifier notifier(bus, [&](const QString&, const QString& text) {
            ++fallbacks;
            fallbackText = text;
        });
        int delivered = 0;
        QObject::connect(&notifier, &CAlarmNotifier::Delivered, [&] { ++delivered; });
        CUsageTracker tracker(settings, clock, sampler, seconds);
        tracker.SetAlarmNotifier(&notifier);
        tracker.LoadToday();
        for (int i = 0; i < 60; ++i) {
            clock.now += 1;
            tracker.Tick();
        }
        // Every second credited, and the alarm's answer still to come: the tick did not wait.
        EXPECT_EQ(seconds.seconds.size(), 60u);
        EXPECT_EQ(fallbacks, 0);
        if (c.option) {
            ASSERT_TRUE(WaitFor([&] { return delivered == 1; }));
        }
        EXPECT_EQ(fallbacks, c.fallbacks);
        if (c.fallbacks > 0) {
            EXPECT_EQ(fallbackText, "a<b> & c has been in use for 1 minute today.");
        }
        if (!c.service) continue;
        const std::vector<QVariantList> calls = NotifyCalls();
        ASSERT_EQ(calls.size(), c.calls);
        if (c.calls == 0) continue;
        const QVariantList& args = calls.front();
        ASSERT_EQ(args.size(), 8);
        EXPECT_EQ(args[0].toString(), "Hourglint");
        EXPECT_EQ(args[3].toString(), "Hourglint alarm");
        EXPECT_EQ(args[4].toString(), "a&lt;b&gt; &amp; c has been in use for 1 minute today.");
    }
    service.terminate();
    service.waitForFinished(10000);
}

}  // namespace
