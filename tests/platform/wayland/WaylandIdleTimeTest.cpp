// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "CompositorSamplers.h"
#include "platform/wayland/CWaylandIdleTime.h"

namespace {

using Clock = std::chrono::steady_clock;

// Runs the event loop until done says so or spanMs pass; whether done said so.
bool PumpUntil(const std::function<bool()>& done, int spanMs) {
    const auto end = Clock::now() + std::chrono::milliseconds(spanMs);
    while (Clock::now() < end) {
        QCoreApplication::processEvents();
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

template <typename Compositor>
class WaylandIdleTimeTest : public ::testing::Test {};

using Compositors = ::testing::Types<Sway, KWin>;
TYPED_TEST_SUITE(WaylandIdleTimeTest, Compositors);

// Headless compositors get no input of their own: the idle time only grows until the test
// sends some.
TYPED_TEST(WaylandIdleTimeTest, GrowsFromTheLastInputAndDropsAtTheNext) {
    static int argc = 1;
    static char name[] = "hourglint-wayland-idle-tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    typename TypeParam::Session session;
    std::string error;
    ASSERT_TRUE(session.Start(error)) << error;
    session.ConnectThisProcess();

    ASSERT_TRUE(TypeParam::Input(session));
    const auto input = Clock::now();
    auto idle = CWaylandIdleTime::Connect(error);
    ASSERT_TRUE(idle) << error;
    EXPECT_EQ(idle->Protocol(), TypeParam::kIdleProtocol);
    ASSERT_TRUE(PumpUntil([&] { return idle->IdleMs() > 0; }, 8000)) << "never idle";
    // Counted from the input, not from the threshold.
    const auto sinceInput = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - input).count();
    };
    const int64_t first = idle->IdleMs();
    EXPECT_TRUE(PumpUntil([&] { return idle->IdleMs() >= first + 1000; }, 20000)) << first;
    EXPECT_NEAR(idle->IdleMs(), sinceInput(), 300);

    ASSERT_TRUE(TypeParam::Input(session));
    EXPECT_TRUE(PumpUntil([&] { return idle->IdleMs() == 0; }, 3000)) << idle->IdleMs();

    // A compositor that goes away leaves the idle time unknown until it is back.
    if constexpr (std::is_same_v<TypeParam, Sway>) {
        ASSERT_TRUE(session.Restart(error)) << error;
        EXPECT_TRUE(PumpUntil([&] { return idle->IdleMs() == -1; }, 3000));
        EXPECT_TRUE(PumpUntil([&] { return idle->IdleMs() >= 0; }, 8000)) << "not reconnected";
    }
}

}  // namespace
