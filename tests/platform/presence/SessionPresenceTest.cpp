// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/presence/CSessionPresence.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

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
// own screen saver service takes the freedesktop name after Hourglint started. Where the
// desktop provides that name its lock pauses the count; on sway, where the desktop owns no
// such name, the same claim from another program does not.
TEST(SessionPresenceTest, ScreenSaverLockStopsCountingAndUnlockResumesIt) {
    ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "needs dbus-run-session";
    int argc = 1;
    char name[] = "presence-test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    struct Case {
        const char* desktop;
        bool desktopSavers;
        bool lockPauses;
    };
    const Case cases[] = {{"the desktop's own saver", true, true},
                          {"sway, the name claimed by a program", false, false}};
    CAppSettings settings;
    FakeClock clock;
    clock.now = 1796724000;
    struct Run {
        std::unique_ptr<CSessionPresence> presence;
        FakeSampler sampler;
        FakeUsageStore store;
        std::unique_ptr<CUsageTracker> tracker;
        int lockChanges = 0;
    };
    std::vector<std::unique_ptr<Run>> runs;
    for (const Case& c : cases) {
        auto run = std::make_unique<Run>();
        run->presence = std::make_unique<CSessionPresence>(nullptr, c.desktopSavers);
        QObject::connect(run->presence.get(), &CSessionPresence::LockChanged,
                         [r = run.get()] { ++r->lockChanges; });
        run->sampler.Set("editor", "/usr/bin/editor");
        run->tracker = std::make_unique<CUsageTracker>(settings, clock, run->sampler, run->store);
        run->tracker->SetPresence(run->presence.get());
        runs.push_back(std::move(run));
    }
    CSessionPresence& desktop = *runs[0]->presence;
    QProcess saver;
    saver.start(QStringLiteral(SYSTEM_PYTHON), {QStringLiteral(FAKE_SCREENSAVER)});
    ASSERT_TRUE(saver.waitForReadyRead(10000)) << saver.readAllStandardError().toStdString();
    ASSERT_EQ(saver.readLine().trimmed(), "ready");
    // Started after the presence: the service watcher sees it come and asks it.
    ASSERT_TRUE(WaitFor([&] { return desktop.LockKnownFromBus(); }));

    const auto tick = [&](int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.now += 1;
            for (const auto& run : runs) {
                run->tracker->Tick();
            }
        }
    };
    tick(3);
    // Told twice: once the second has arrived, the first reached every listener.
    for (int told = 1; told <= 2; ++told) {
        const int before = runs[0]->lockChanges;
        saver.write("lock\n");
        ASSERT_TRUE(WaitFor([&] { return runs[0]->lockChanges == before + 1; }));
    }
    ASSERT_TRUE(desktop.Locked());
    tick(4);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i]->tracker->Paused(), cases[i].lockPauses) << cases[i].desktop;
    }
    saver.write("unlock\n");
    ASSERT_TRUE(WaitFor([&] { return !desktop.Locked(); }));
    tick(2);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Run& run = *runs[i];
        SCOPED_TRACE(cases[i].desktop);
        EXPECT_EQ(run.presence->LockKnownFromBus(), cases[i].desktopSavers);
        const int counted = cases[i].lockPauses ? 5 : 9;
        EXPECT_EQ(run.store.seconds.size(), static_cast<std::size_t>(counted));
        EXPECT_EQ(run.tracker->Table().Front()->seconds, counted);
        EXPECT_EQ(run.store.stops.size(), cases[i].lockPauses ? 1u : 0u);
    }

    saver.closeWriteChannel();
    EXPECT_TRUE(saver.waitForFinished(5000));
}

}  // namespace
