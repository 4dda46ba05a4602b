// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

#include "GnomeSession.h"
#include "platform/gnome/CMutterIdleTime.h"

namespace {

// Asks for the idle time every 100 ms for up to spanMs, until done says it is enough; the
// last answer.
int64_t IdleAfter(CMutterIdleTime& idle, int spanMs, const std::function<bool(int64_t)>& done) {
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
    // Idle long enough that a reset shows as a fall larger than any answer's delay on a
    // busy machine.
    const int64_t before = IdleAfter(idle, 30000, [](int64_t ms) { return ms >= 5000; });
    EXPECT_GE(before, 5000);
    const auto beforeAt = std::chrono::steady_clock::now();

    const QDBusMessage reset = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        "org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core",
        "org.gnome.Mutter.IdleMonitor", "ResetIdletime"));
    ASSERT_NE(reset.type(), QDBusMessage::ErrorMessage) << reset.errorMessage().toStdString();
    // Without the reset it would be before plus the time since.
    const auto unreset = [&] {
        return before + std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - beforeAt)
                            .count();
    };
    const auto fell = [&](int64_t ms) { return ms >= 0 && ms + 3000 < unreset(); };
    EXPECT_TRUE(fell(IdleAfter(idle, 30000, fell)));
    EXPECT_FALSE(idle.SaverActive().has_value());
}

}  // namespace
