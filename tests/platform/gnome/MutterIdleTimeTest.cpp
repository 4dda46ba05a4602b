// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QEventLoop>
#include <QTimer>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "GnomeSession.h"
#include "platform/gnome/CMutterIdleTime.h"

namespace {

// Asks for the idle time every 100 ms for up to spanMs, until done says it is enough; the
// last answer.
int64_t IdleAfter(CMutterIdleTime& idle, int spanMs, bool (*done)(int64_t)) {
    QEventLoop loop;
    QTimer ask;
    int64_t last = idle.IdleMs();
    QObject::connect(&ask, &QTimer::timeout, [&] {
        last = idle.IdleMs();
        if (done(last)) {
            loop.quit();
        }
    });
    ask.start(100);
    QTimer::singleShot(spanMs, &loop, &QEventLoop::quit);
    loop.exec();
    return last;
}

// Headless GNOME Shell gets no input, so its idle time only grows until it is reset.
TEST(MutterIdleTimeTest, FollowsTheShellsIdleTimeAndItsReset) {
    static int argc = 1;
    static char name[] = "hourglint-mutter-idle-tests";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    GnomeSession session(false);
    session.AddShellVariable("MUTTER_DEBUG_RESET_IDLETIME=1");
    std::string error;
    ASSERT_TRUE(session.Start(error)) << error;
    setenv("DBUS_SESSION_BUS_ADDRESS", session.BusAddress().c_str(), 1);

    CMutterIdleTime idle;
    EXPECT_EQ(idle.IdleMs(), -1);  // nothing answered yet
    EXPECT_GE(IdleAfter(idle, 20000, [](int64_t ms) { return ms >= 1500; }), 1500);

    const QDBusMessage reset = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        "org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core",
        "org.gnome.Mutter.IdleMonitor", "ResetIdletime"));
    ASSERT_NE(reset.type(), QDBusMessage::ErrorMessage) << reset.errorMessage().toStdString();
    EXPECT_LT(IdleAfter(idle, 20000, [](int64_t ms) { return ms >= 0 && ms < 1000; }), 1000);
    EXPECT_FALSE(idle.SaverActive().has_value());
}

}  // namespace
