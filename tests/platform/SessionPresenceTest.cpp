// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/presence/CSessionPresence.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <cstdlib>
#include <functional>

#include "FakeClock.h"
#include "FakeSampler.h"
#include "FakeUsageStore.h"
#include "core/CAppSettings.h"
#include "core/CUsageTracker.h"

namespace {

// Runs the event loop until done() or 10 s; the bus answers arrive through it.
bool WaitFor(const std::function<bool()>& done) {
    QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return done();
}

// Run by CTest under dbus-run-session: a session bus of the test's own, on which the test's
// own screen saver service takes the freedesktop name.
TEST(SessionPresenceTest, ScreenSaverLockStopsCountingAndUnlockResumesIt) {
    ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "needs dbus-run-session";
    int argc = 1;
    char name[] = "presence-test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    CSessionPresence presence(nullptr);
    QProcess saver;
    saver.start(QStringLiteral(SYSTEM_PYTHON), {QStringLiteral(FAKE_SCREENSAVER)});
    ASSERT_TRUE(saver.waitForReadyRead(10000)) << saver.readAllStandardError().toStdString();
    ASSERT_EQ(saver.readLine().trimmed(), "ready");
    // Started after the presence: the service watcher sees it come and asks it.
    ASSERT_TRUE(WaitFor([&] { return presence.LockKnownFromBus(); }));

    CAppSettings settings;
    FakeClock clock;
    clock.now = 1796724000;
    FakeSampler sampler;
    sampler.Set("editor", "/usr/bin/editor");
    FakeUsageStore store;
    CUsageTracker tracker(settings, clock, sampler, store);
    tracker.SetPresence(&presence);
    const auto tick = [&](int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.now += 1;
            tracker.Tick();
        }
    };
    tick(3);
    saver.write("lock\n");
    ASSERT_TRUE(WaitFor([&] { return presence.Locked(); }));
    tick(4);
    EXPECT_TRUE(tracker.Paused());
    saver.write("unlock\n");
    ASSERT_TRUE(WaitFor([&] { return !presence.Locked(); }));
    tick(2);
    EXPECT_EQ(store.seconds.size(), 5u);
    EXPECT_EQ(tracker.Table().Front()->seconds, 5);
    EXPECT_EQ(store.stops.size(), 1u);

    saver.closeWriteChannel();
    EXPECT_TRUE(saver.waitForFinished(5000));
}

}  // namespace
