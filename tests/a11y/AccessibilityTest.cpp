// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>

#include "ProgramCopy.h"
#include "XvfbSession.h"
#include "db/CUsageDb.h"
#include "db/DbText.h"

namespace fs = std::filesystem;

namespace {

// Run by CTest under dbus-run-session. Every part is required: a missing launcher, module
// or bus fails the test, it never skips.
class AccessibilityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "needs dbus-run-session";
        ASSERT_TRUE(fs::exists(AT_SPI_BUS_LAUNCHER)) << "at-spi2-core is not installed";
        root_ = CopyProgram("a11y", HOURGLINT_EXECUTABLE);
        std::string error;
        ASSERT_TRUE(x_.Start(error)) << error;
        ASSERT_TRUE(x_.StartWindowManager(error)) << error;
    }

    // Today's and yesterday's seconds for three programs, one in a group, so the report,
    // its chart, History and the group editor all have rows.
    void FillDatabase() {
        const std::string path = (root_ / "bin" / "HG.mdb").string();
        CUsageDb(path).LoadDb(0, 1);  // the file and its tables
        const std::string today = FormatDbDate(std::time(nullptr));
        const std::string yesterday = FormatDbDate(std::time(nullptr) - 86400);
        const std::string sql =
            "INSERT INTO tgroup(id, name) VALUES (1, 'Work'); INSERT INTO titem(id, name, "
            "compunit, path, groupid) VALUES (1, 'firefox', 0, '', 0), (2, 'xterm', 0, '', 1), "
            "(3, 'gimp', 0, '', 0); INSERT INTO ttime(itemid, d, h, seconds) VALUES (1, '" +
            today + "', 0, 3600), (2, '" + today + "', 0, 1800), (3, '" + today +
            "', 0, 900), "
            "(1, '" +
            yesterday + "', 0, 1200), (3, '" + yesterday + "', 0, 2400);";
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }

    // org.a11y.Bus is on the session bus once the launcher's bus runs.
    bool WaitForAccessibilityBus() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline) {
            if (x_.Run({"dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                        "/org/a11y/bus", "org.a11y.Bus.GetAddress"}) == 0) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    fs::path root_;
    XvfbSession x_;
};

TEST_F(AccessibilityTest, EveryWindowIsNamedAndTheChartsSayWhatTheListsSay) {
    FillDatabase();
    ASSERT_GT(x_.Spawn({AT_SPI_BUS_LAUNCHER, "--launch-immediately"}, {},
                       (root_ / "at-spi.log").string()),
              0);
    ASSERT_TRUE(WaitForAccessibilityBus()) << "no accessibility bus on the session bus";

    const std::string home = (root_ / "home").string();
    const pid_t app = x_.Spawn(
        {(root_ / "bin" / "hourglint").string()},
        {"QT_QPA_PLATFORM=xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1", "HOME=" + home,
         "XDG_CONFIG_HOME=" + home + "/.config", "XDG_DATA_HOME=" + home + "/.local/share"},
        (root_ / "hourglint.log").string());
    ASSERT_GT(app, 0);
    ASSERT_NE(x_.WaitForWindow("^Hourglint$", 30000), 0u) << "no main window";

    // The script prints what it checked and every fault it found; it exits 0 only without one.
    std::string report;
    const int result = x_.Run({SYSTEM_PYTHON, WALK_WINDOWS, std::to_string(app)}, &report, 180000);
    EXPECT_EQ(result, 0) << report;
    std::printf("%s", report.c_str());
    x_.Stop(app);
}

}  // namespace
