// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <QApplication>
#include <QTreeView>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ProgramCopy.h"
#include "StoredSeconds.h"
#include "XvfbSession.h"
#include "app/CSystemClock.h"
#include "core/CAppSettings.h"
#include "core/Duration.h"
#include "core/ISettingsStore.h"
#include "db/CUsageDb.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/x11/CX11ForegroundSampler.h"
#include "shell/CHGView.h"
#include "shell/CMainFrame.h"

namespace fs = std::filesystem;

namespace {

// A copy of the built program in a private folder, so its HG.mdb lands beside the copy,
// with a private home for its settings.
class EndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = CopyProgram("e2e", HOURGLINT_EXECUTABLE);
        std::string error;
        ASSERT_TRUE(x_.Start(error)) << error;
        ASSERT_TRUE(x_.StartWindowManager(error)) << error;
    }

    fs::path Executable() const { return root_ / "bin" / "hourglint"; }
    fs::path Database() const { return root_ / "bin" / "HG.mdb"; }

    // extraEnv: NAME=value pairs on top of the private home. Without waitForWindow it
    // returns as soon as the copy is started.
    pid_t StartHourglint(const std::vector<std::string>& extraEnv = {}, bool waitForWindow = true,
                         const std::string& log = "hourglint.log") {
        const std::string home = (root_ / "home").string();
        std::vector<std::string> env = {"QT_QPA_PLATFORM=xcb", "HOME=" + home,
                                        "XDG_CONFIG_HOME=" + home + "/.config",
                                        "XDG_DATA_HOME=" + home + "/.local/share"};
        env.insert(env.end(), extraEnv.begin(), extraEnv.end());
        const pid_t pid = x_.Spawn({Executable().string()}, env, (root_ / log).string());
        EXPECT_GT(pid, 0);
        if (waitForWindow) {
            EXPECT_NE(x_.WaitForWindow("^Hourglint$", 15000), 0u) << "no main window";
        }
        return pid;
    }

    // A runtime folder of the user's own under the test's folder, as another login has.
    std::string PrivateFolder(const std::string& name) const {
        fs::create_directories(root_ / name);
        fs::permissions(root_ / name, fs::perms::owner_all);
        return (root_ / name).string();
    }

    // A window titled "Hourglint" of the given process other than besides; 0 when none came
    // within 15 s.
    uint32_t WaitForWindowOf(pid_t pid, uint32_t besides = 0) {
        for (int i = 0; i < 150; ++i) {
            std::string found;
            if (x_.Run({"xdotool", "search", "--all", "--onlyvisible", "--pid", std::to_string(pid),
                        "--name", "^Hourglint$"},
                       &found) == 0) {
                std::istringstream windows(found);
                for (std::string window; std::getline(windows, window);) {
                    if (std::stoul(window) != besides) {
                        return static_cast<uint32_t>(std::stoul(window));
                    }
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return 0;
    }

    uint32_t ActiveWindow() {
        std::string active;
        if (x_.Run({"xdotool", "getactivewindow"}, &active) != 0 || active.empty()) {
            return 0;
        }
        return static_cast<uint32_t>(std::stoul(active));
    }

    void EndLikeALogout(pid_t pid) {
        x_.Signal(pid, SIGTERM);
        int status = 0;
        ASSERT_TRUE(x_.WaitExit(pid, 15000, &status)) << "did not end on SIGTERM";
        EXPECT_TRUE(WIFEXITED(status)) << "status " << status;
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }

    fs::path root_;
    XvfbSession x_;
};

TEST_F(EndToEndTest, TerminalSecondsAreStoredAndComeBackAfterARestart) {
    const int firstHour = LocalHourNow();
    const pid_t app = StartHourglint();
    const auto terminalsStarted = std::chrono::steady_clock::now();
    const uint32_t one = x_.StartXterm("Terminal one");
    const uint32_t two = x_.StartXterm("Terminal two");
    ASSERT_NE(one, 0u);
    ASSERT_NE(two, 0u);

    // Each terminal in front for a few seconds; xterm is one program whichever window.
    ASSERT_TRUE(x_.Activate(one));
    std::this_thread::sleep_for(std::chrono::seconds(3));
    ASSERT_TRUE(x_.Activate(two));
    std::this_thread::sleep_for(std::chrono::seconds(3));
    EndLikeALogout(app);

    const auto afterFirstRun = ReadToday(Database(), firstHour, LocalHourNow());
    ASSERT_TRUE(afterFirstRun.count("xterm")) << "no xterm seconds under today's date and hour";
    const DayTotal xterm = afterFirstRun.at("xterm");
    EXPECT_EQ(xterm.path, "/usr/bin/xterm");
    // Six seconds in front at the least, give or take the tick running when focus moved;
    // never more than the terminals existed.
    EXPECT_GE(xterm.seconds, 4);
    EXPECT_LE(xterm.seconds, SecondsSince(terminalsStarted) + 1);

    // A restart loads today's totals into the live list: the same window, database file
    // and sampler as the program, driven through its first tick.
    {
        int argc = 1;
        char name[] = "hourglint-e2e";
        char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication qtApp(argc, argv);
        std::string error;
        CDesktopEntryIndex entries;
        entries.Start();
        auto sampler = CX11ForegroundSampler::Connect(x_.Display().c_str(), entries, error);
        ASSERT_TRUE(sampler) << error;
        CAppSettings settings;
        CUsageDb db(Database().string(), settings);
        CSystemClock clock;
        class NoStore : public ISettingsStore {
          public:
            std::optional<long long> ReadInt(const std::string&) const override { return {}; }
            void WriteInt(const std::string&, long long) override {}
        } store;
        CMainFrame frame(settings, store, clock, *sampler, db);
        frame.OnTimer();
        const QAbstractItemModel* model = frame.LiveView().model();
        ASSERT_NE(model, nullptr);
        int xtermRow = -1;
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data().toString() == "xterm") {
                xtermRow = row;
            }
        }
        ASSERT_GE(xtermRow, 0) << "today's xterm total is not in the live list";
        EXPECT_EQ(model->index(xtermRow, 2).data().toString().toStdString(),
                  FormatDuration(xterm.seconds));
    }

    // A second run adds to the stored total; the loaded seconds are not written back.
    const auto secondRunStarted = std::chrono::steady_clock::now();
    const pid_t again = StartHourglint();
    ASSERT_TRUE(x_.Activate(one));
    std::this_thread::sleep_for(std::chrono::seconds(3));
    EndLikeALogout(again);
    const auto afterSecondRun = ReadToday(Database(), firstHour, LocalHourNow());
    ASSERT_TRUE(afterSecondRun.count("xterm"));
    EXPECT_GE(afterSecondRun.at("xterm").seconds, xterm.seconds + 1);
    EXPECT_LE(afterSecondRun.at("xterm").seconds, xterm.seconds + SecondsSince(secondRunStarted));
}

TEST_F(EndToEndTest, ADatabaseLockedForMostOfTheRunStillGetsEverySecondOnce) {
    const int firstHour = LocalHourNow();
    const auto spawned = std::chrono::steady_clock::now();
    const pid_t app = StartHourglint();
    const auto shown = std::chrono::steady_clock::now();
    const uint32_t window = WaitForWindowOf(app);
    ASSERT_NE(window, 0u);
    const uint32_t terminal = x_.StartXterm("Locked terminal");
    ASSERT_NE(terminal, 0u);
    ASSERT_TRUE(x_.Activate(terminal));
    for (int i = 0; i < 100 && !fs::exists(Database()); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

    // Another program holds the write lock, as a backup tool or a sqlite3 shell would;
    // the failure box opens at the next flush and stays unanswered, the seconds counted on.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(Database().c_str(), &other), SQLITE_OK);
    sqlite3_busy_timeout(other, 5000);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_NE(WaitForWindowOf(app, window), 0u) << "no failure box";
    std::this_thread::sleep_for(std::chrono::seconds(7));  // a clock stopped by it would show
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EndLikeALogout(app);

    int stored = 0;
    for (const auto& [name, total] : ReadToday(Database(), firstHour, LocalHourNow())) {
        stored += total.seconds;
    }
    // Every second the program ran, give or take the first tick and the last: never fewer
    // because the box stopped the clock, never more because a failed flush was repeated.
    EXPECT_GE(stored, SecondsSince(shown) - 3);
    EXPECT_LE(stored, SecondsSince(spawned) + 1);
}

// Qt ends the process with exit() when the display goes away: the seconds still pending
// are written all the same.
TEST_F(EndToEndTest, AnXServerThatDiesLosesNoSecond) {
    const int firstHour = LocalHourNow();
    const pid_t app = StartHourglint();
    // Counted from its window, which a busy machine may show seconds after the start.
    ASSERT_NE(WaitForWindowOf(app), 0u);
    const auto shown = std::chrono::steady_clock::now();
    const uint32_t terminal = x_.StartXterm("Doomed terminal");
    ASSERT_NE(terminal, 0u);
    ASSERT_TRUE(x_.Activate(terminal));
    std::this_thread::sleep_for(std::chrono::seconds(7));  // between two flushes
    x_.KillServer();
    ASSERT_TRUE(x_.WaitExit(app, 15000)) << "did not end with its display";

    int stored = 0;
    for (const auto& [name, total] : ReadToday(Database(), firstHour, LocalHourNow())) {
        stored += total.seconds;
    }
    EXPECT_GE(stored, SecondsSince(shown) - 3);
}

// Today's seconds of every program, summed, in a database or a snapshot.
int TodaysSeconds(const fs::path& file) {
    int seconds = 0;
    for (const auto& [name, total] : ReadToday(file, 0, 23)) seconds += total.seconds;
    return seconds;
}

TEST_F(EndToEndTest, ShareFolderGetsASnapshotAtStartAndAtExitAndNoSecondIsLost) {
    const fs::path share = root_ / "share";
    fs::create_directories(share);
    fs::create_directories(root_ / "home" / ".config" / "Hourglint");
    std::ofstream(root_ / "home" / ".config" / "Hourglint" / "Hourglint.conf")
        << "[Config]\nszShareFolder=" << share.string() << "\nszComputerName=desk\n";
    // A year of history before today, so writing the snapshot takes a while.
    CUsageDb(Database().string()).LoadDb(0, 1);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Database().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < 8760) "
                           "INSERT INTO titem(name, compunit, path) SELECT 'old' || i, 0, "
                           "'/opt/old' || i FROM n WHERE i <= 60;"
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < 8760) "
                           "INSERT INTO ttime(itemid, d, h, seconds) SELECT titem.id, "
                           "date('now', 'localtime', '-' || (1 + i / 24) || ' days'), i % 24, 60 "
                           "FROM n, titem",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    const auto spawned = std::chrono::steady_clock::now();
    const pid_t app = StartHourglint();
    const auto shown = std::chrono::steady_clock::now();
    fs::path snapshot;
    for (int i = 0; i < 300 && snapshot.empty(); ++i) {
        for (const auto& entry : fs::directory_iterator(share)) {
            if (entry.path().extension() == ".hgshare") snapshot = entry.path();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_FALSE(snapshot.empty()) << "no snapshot at start";
    EXPECT_EQ(snapshot.filename().string().rfind("desk-", 0), 0u) << snapshot;
    const auto started = fs::last_write_time(snapshot);

    const uint32_t terminal = x_.StartXterm("Shared terminal");
    ASSERT_NE(terminal, 0u);
    ASSERT_TRUE(x_.Activate(terminal));
    std::this_thread::sleep_for(std::chrono::seconds(6));
    EndLikeALogout(app);

    // The snapshot written at exit holds every second the final flush stored.
    EXPECT_NE(fs::last_write_time(snapshot), started);
    const int stored = TodaysSeconds(Database());
    EXPECT_EQ(TodaysSeconds(snapshot), stored);
    EXPECT_GE(stored, SecondsSince(shown) - 3);
    EXPECT_LE(stored, SecondsSince(spawned) + 1);
    // Nothing else in the synced folder: no temporary, no journal, no -wal or -shm.
    EXPECT_EQ(std::distance(fs::directory_iterator(share), fs::directory_iterator()), 1);
}

// The idle pause with the X server's own idle time (MIT-SCREEN-SAVER): xdotool input keeps
// the user present, a pause without input gives back the seconds since the last input.
TEST_F(EndToEndTest, IdleSecondsAreTakenBackAndInputResumesCounting) {
    const fs::path config = root_ / "home" / ".config" / "Hourglint";
    fs::create_directories(config);
    std::ofstream(config / "Hourglint.conf") << "[Config]\nbPauseWhenIdle=1\n";
    const int firstHour = LocalHourNow();
    // HOURGLINT_IDLE_SECONDS, for tests only, shortens the idle pause from minutes to seconds.
    const pid_t app = StartHourglint({"HOURGLINT_IDLE_SECONDS=3"});
    const uint32_t terminal = x_.StartXterm("Idle terminal");
    ASSERT_NE(terminal, 0u);
    const auto typeFor = [this](int seconds) {
        for (int i = 0; i < seconds * 2; ++i) {
            ASSERT_EQ(x_.Run({"xdotool", "key", "shift"}), 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
        }
        ASSERT_EQ(x_.Run({"xdotool", "mousemove_relative", "1", "1"}), 0);
    };
    const auto msSince = [](std::chrono::steady_clock::time_point start) {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    // Input first, so the terminal counts from the moment it comes to the front.
    ASSERT_EQ(x_.Run({"xdotool", "mousemove_relative", "1", "1"}), 0);
    const auto present = std::chrono::steady_clock::now();
    ASSERT_TRUE(x_.Activate(terminal));
    typeFor(4);
    const double firstStretch = msSince(present);
    std::this_thread::sleep_for(std::chrono::seconds(7));  // away: idle passes 3 s
    const auto back = std::chrono::steady_clock::now();
    typeFor(3);
    const double secondStretch = msSince(back);
    EndLikeALogout(app);

    const auto today = ReadToday(Database(), firstHour, LocalHourNow());
    ASSERT_TRUE(today.count("xterm"));
    // Input to input, give or take the tick at each end of the two stretches; seven more
    // had the away seconds stayed.
    EXPECT_NEAR(today.at("xterm").seconds, (firstStretch + secondStretch) / 1000, 2);
}

// A second login, or a start with another runtime folder, passes the single-instance lock
// but must not count the same seconds into the same file a second time.
TEST_F(EndToEndTest, ASecondCopyOnTheSameDatabaseStopsAndSaysWhy) {
    const int firstHour = LocalHourNow();
    const auto spawned = std::chrono::steady_clock::now();
    const pid_t first = StartHourglint({"XDG_RUNTIME_DIR=" + PrivateFolder("runtime-one")});
    const uint32_t terminal = x_.StartXterm("Terminal in front");
    ASSERT_NE(terminal, 0u);
    ASSERT_TRUE(x_.Activate(terminal));

    const pid_t second =
        StartHourglint({"XDG_RUNTIME_DIR=" + PrivateFolder("runtime-two")}, false, "second.log");
    const uint32_t box = WaitForWindowOf(second);
    ASSERT_NE(box, 0u) << "the second copy showed no message";
    // The box waits for the user without taking the keyboard from the terminal: once it
    // and openbox are done with its showing.
    ASSERT_TRUE(x_.Settle(box));
    EXPECT_EQ(ActiveWindow(), terminal);

    // Reports read the database while the first copy holds it.
    std::string report;
    EXPECT_EQ(
        x_.Run({Executable().string(), "--report", "--database", Database().string()}, &report), 0);
    EXPECT_EQ(report.rfind("Process,Today,Yesterday,", 0), 0u) << report;

    // Both copies run a while: a second counter would show in the total.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    ASSERT_TRUE(x_.Activate(box));
    ASSERT_TRUE(x_.Settle(box));  // the box has read that it has the keyboard
    x_.Run({"xdotool", "key", "--clearmodifiers", "Return"});
    int status = 0;
    ASSERT_TRUE(x_.WaitExit(second, 10000, &status)) << "the second copy kept running";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "status " << status;
    std::ifstream log(root_ / "second.log");
    const std::string said((std::istreambuf_iterator<char>(log)), {});
    EXPECT_NE(said.find("is already counting into the database " + Database().string()),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("(process " + std::to_string(first) + ")"), std::string::npos) << said;

    ASSERT_TRUE(x_.Activate(terminal));
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EndLikeALogout(first);
    int stored = 0;
    for (const auto& [name, total] : ReadToday(Database(), firstHour, LocalHourNow())) {
        stored += total.seconds;
    }
    // One counter: never more seconds than the run lasted.
    EXPECT_GE(stored, 3);
    EXPECT_LE(stored, SecondsSince(spawned) + 1);
}

}  // namespace
