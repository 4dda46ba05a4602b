// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "CompositorSamplers.h"
#include "StoredSeconds.h"
#include "WestonSession.h"
#include "platform/desktop/CDesktopEntryIndex.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "hourglint-wayland-e2e";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

void PumpFor(std::chrono::milliseconds span) {
    const auto end = Clock::now() + span;
    while (Clock::now() < end) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::string FileText(const std::string& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The built program in the compositor's session, as its user, with the database beside a
// copy of it; a sampler of the test's own watches the compositor alongside.
template <typename Compositor>
class WaylandEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        std::string error;
        ASSERT_TRUE(session_.Start(error)) << error;
        entries_.Start();
        observer_ = Compositor::Open(session_, entries_, error);
        ASSERT_TRUE(observer_) << error;
    }

    bool InFront(const std::string& title) {
        return session_.FocusUntil(title, [&] {
            QCoreApplication::processEvents();
            return observer_->Sample().title == title;
        });
    }

    // A copy of the built program in the session, started with extra environment.
    pid_t StartHourglint(const std::vector<std::string>& extraEnv = {}) {
        executable_ = fs::path(session_.Folder()) / "bin" / "hourglint";
        fs::copy_file(HOURGLINT_EXECUTABLE, executable_, fs::copy_options::overwrite_existing);
        log_ = session_.Folder() + "/hourglint.log";
        return session_.SpawnClient({executable_.string()}, extraEnv, log_);
    }

    // Ends it as a logout does, and reads what it stored today.
    std::map<std::string, DayTotal> EndAndReadToday(pid_t app, int firstHour) {
        session_.Processes().Signal(app, SIGTERM);
        int status = 0;
        EXPECT_TRUE(session_.Processes().WaitExit(app, 15000, &status)) << "did not end on SIGTERM";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << FileText(log_);
        return ReadToday(executable_.parent_path() / "HG.mdb", firstHour, LocalHourNow());
    }

    typename Compositor::Session session_;
    CDesktopEntryIndex entries_;  // outlives the observer
    std::unique_ptr<IForegroundSampler> observer_;
    fs::path executable_;
    std::string log_;
};

using Compositors = ::testing::Types<Sway, KWin, Gnome>;
TYPED_TEST_SUITE(WaylandEndToEndTest, Compositors);

TYPED_TEST(WaylandEndToEndTest, StoredSecondsMatchTheTimeEachWindowWasInFront) {
    auto& session = this->session_;
    ASSERT_FALSE(session.StartTestWindow("hourglint-window-one", "Window one").empty());
    ASSERT_FALSE(session.StartTestWindow("hourglint-window-two", "Window two").empty());
    ASSERT_TRUE(session.StartXterm("Terminal three"));
    ASSERT_TRUE(this->InFront("Terminal three"));

    const int firstHour = LocalHourNow();
    const pid_t app = this->StartHourglint();
    ASSERT_GT(app, 0);
    // Its window comes up through Xwayland and takes the focus.
    ASSERT_TRUE(this->InFront("Hourglint")) << FileText(this->log_);

    struct Stretch {
        std::string title;
        std::string program;
        int seconds;
    };
    const std::vector<Stretch> plan = {{"Window one", "hourglint-window-one", 4},
                                       {"Terminal three", "xterm", 2},
                                       {"Window two", "hourglint-window-two", 3},
                                       {"Window one", "hourglint-window-one", 2}};
    std::map<std::string, double> inFront;
    for (const Stretch& stretch : plan) {
        ASSERT_TRUE(this->InFront(stretch.title));
        const auto from = Clock::now();
        PumpFor(std::chrono::seconds(stretch.seconds));
        inFront[stretch.program] += std::chrono::duration<double>(Clock::now() - from).count();
    }
    const auto stored = this->EndAndReadToday(app, firstHour);
    for (const auto& [program, seconds] : inFront) {
        ASSERT_TRUE(stored.count(program)) << program << " has no seconds\n"
                                           << FileText(this->log_);
        // A second per switch into or out of the window.
        const int switches = program == "hourglint-window-one" ? 4 : 2;
        EXPECT_NEAR(stored.at(program).seconds, seconds, switches) << program;
        std::printf("%s: %d s stored, %.1f s in front\n", program.c_str(),
                    stored.at(program).seconds, seconds);
    }
}

// An Xwayland that refuses the connection: the windows come up on Wayland's own platform,
// which is said once, and counting goes on.
using SwayEndToEndTest = WaylandEndToEndTest<Sway>;

TEST_F(SwayEndToEndTest, ADeadX11DisplayFallsBackToTheNativePlatformAndCounts) {
    ASSERT_FALSE(session_.StartTestWindow("hourglint-window-one", "Window one").empty());
    const int firstHour = LocalHourNow();
    const pid_t app = StartHourglint({"DISPLAY=:249"});
    ASSERT_GT(app, 0);
    ASSERT_TRUE(InFront("Hourglint")) << FileText(log_);
    ASSERT_TRUE(InFront("Window one"));
    const auto from = Clock::now();
    PumpFor(std::chrono::seconds(3));
    const double inFront = std::chrono::duration<double>(Clock::now() - from).count();
    const auto stored = EndAndReadToday(app, firstHour);

    const std::string log = FileText(log_);
    const std::string notice = "Wayland's own platform";
    ASSERT_NE(log.find(notice), std::string::npos) << log;
    EXPECT_EQ(log.find(notice), log.rfind(notice)) << log;
    ASSERT_TRUE(stored.count("hourglint-window-one")) << log;
    EXPECT_NEAR(stored.at("hourglint-window-one").seconds, inFront, 2);
}

// The idle pause through the compositor's idle notification: input keeps the user present,
// a pause without input gives back the seconds since the last input.
template <typename Compositor>
class WaylandIdleEndToEndTest : public WaylandEndToEndTest<Compositor> {};

using IdleCompositors = ::testing::Types<Sway, KWin>;
TYPED_TEST_SUITE(WaylandIdleEndToEndTest, IdleCompositors);

TYPED_TEST(WaylandIdleEndToEndTest, IdleSecondsAreTakenBackAndInputResumesCounting) {
    auto& session = this->session_;
    ASSERT_FALSE(session.StartTestWindow("hourglint-window-one", "Window one").empty());
    session.WriteFile("home/.config/Hourglint/Hourglint.conf", "[Config]\nbPauseWhenIdle=1\n");
    const int firstHour = LocalHourNow();
    // HOURGLINT_IDLE_SECONDS, for tests only, shortens the idle pause from minutes to seconds.
    const pid_t app = this->StartHourglint({"HOURGLINT_IDLE_SECONDS=3"});
    ASSERT_GT(app, 0);
    ASSERT_TRUE(this->InFront("Hourglint")) << FileText(this->log_);
    const auto inputFor = [&](int seconds) {
        const auto from = Clock::now();
        for (int i = 0; i < seconds * 2; ++i) {
            EXPECT_TRUE(TypeParam::Input(session));
            PumpFor(std::chrono::milliseconds(500));
        }
        EXPECT_TRUE(TypeParam::Input(session));
        return std::chrono::duration<double>(Clock::now() - from).count();
    };
    ASSERT_TRUE(this->InFront("Window one"));
    double present = inputFor(4);
    PumpFor(std::chrono::seconds(7));  // away: idle passes 3 s
    present += inputFor(3);
    const auto stored = this->EndAndReadToday(app, firstHour);

    ASSERT_TRUE(stored.count("hourglint-window-one")) << FileText(this->log_);
    // Input to input, give or take the tick at each end of the two stretches; seven more
    // had the away seconds stayed.
    EXPECT_NEAR(stored.at("hourglint-window-one").seconds, present, 2) << FileText(this->log_);
}

TEST(WaylandUnsupportedTest, WestonSaysSoAndExitsWithOne) {
    WestonSession weston;
    std::string error;
    ASSERT_TRUE(weston.Start(error)) << error;
    const fs::path executable = fs::path(weston.Folder()) / "bin" / "hourglint";
    fs::copy_file(HOURGLINT_EXECUTABLE, executable, fs::copy_options::overwrite_existing);
    const std::string log = weston.Folder() + "/hourglint.log";
    const pid_t app = weston.SpawnClient({executable.string()}, {}, log);
    ASSERT_GT(app, 0);

    // Standard error names the compositor and what is supported; the box waits for OK.
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (FileText(log).find("Supported") == std::string::npos && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const std::string text = FileText(log);
    EXPECT_NE(text.find("(weston)"), std::string::npos) << text;
    EXPECT_NE(text.find("sway"), std::string::npos) << text;
    const std::vector<std::string> env = weston.ClientEnvironment();
    std::string boxes;
    weston.Processes().Run(
        {"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Hourglint$"}, env, &boxes);
    ASSERT_FALSE(boxes.empty()) << "no message box";
    std::istringstream box(boxes);
    int status = 0;
    for (std::string window; std::getline(box, window);) {
        weston.Processes().Run({"xdotool", "key", "--window", window, "Return"}, env);
    }
    ASSERT_TRUE(weston.Processes().WaitExit(app, 10000, &status)) << "still running after OK";
    EXPECT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_FALSE(fs::exists(executable.parent_path() / "HG.mdb"));
}

}  // namespace
