#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <QApplication>
#include <QTreeView>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "StoredSeconds.h"
#include "XvfbSession.h"
#include "core/CAppSettings.h"
#include "core/Duration.h"
#include "core/ISettingsStore.h"
#include "db/CUsageDb.h"
#include "platform/CX11ForegroundSampler.h"
#include "shell/CHGView.h"
#include "shell/CMainFrame.h"
#include "shell/CSystemClock.h"

namespace fs = std::filesystem;

namespace {

// A copy of the built program in a private folder, so its HG.mdb lands beside the copy,
// with a private home for its settings.
class EndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::path(std::getenv("HOME")) / "e2e";
        fs::create_directories(root_ / "bin");
        fs::create_directories(root_ / "home");
        fs::copy_file(HOURGLINT_EXECUTABLE, Executable(), fs::copy_options::overwrite_existing);
        std::string error;
        ASSERT_TRUE(x_.Start(error)) << error;
        ASSERT_TRUE(x_.StartWindowManager(error)) << error;
    }

    fs::path Executable() const { return root_ / "bin" / "hourglint"; }
    fs::path Database() const { return root_ / "bin" / "HG.mdb"; }

    pid_t StartHourglint() {
        const std::string home = (root_ / "home").string();
        const pid_t pid =
            x_.Spawn({Executable().string()},
                     {"QT_QPA_PLATFORM=xcb", "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config",
                      "XDG_DATA_HOME=" + home + "/.local/share"},
                     (root_ / "hourglint.log").string());
        EXPECT_GT(pid, 0);
        EXPECT_NE(x_.WaitForWindow("^Hourglint$", 15000), 0u) << "no main window";
        return pid;
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
        auto sampler = CX11ForegroundSampler::Connect(x_.Display().c_str(), error);
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
    const uint32_t terminal = x_.StartXterm("Locked terminal");
    ASSERT_NE(terminal, 0u);
    ASSERT_TRUE(x_.Activate(terminal));
    for (int i = 0; i < 100 && !fs::exists(Database()); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

    // Another program holds the write lock, as a backup tool or a sqlite3 shell would;
    // the failure box opens and stays unanswered.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(Database().c_str(), &other), SQLITE_OK);
    sqlite3_busy_timeout(other, 5000);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::this_thread::sleep_for(std::chrono::seconds(9));
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

}  // namespace
