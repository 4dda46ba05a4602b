// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "ProgramCopy.h"
#include "XvfbSession.h"
#include "db/CUsageDb.h"
#include "report/HtmlReportText.h"

namespace fs = std::filesystem;

namespace {

std::string FileText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The built program under Xvfb and openbox, driven by real key events alone: xdotool sends
// them to the window that has the keyboard, and the pointer stays where the server put it.
class KeyboardEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = CopyProgram("keys", HOURGLINT_EXECUTABLE);
        std::string error;
        ASSERT_TRUE(x_.Start(error)) << error;
        ASSERT_TRUE(x_.StartWindowManager(error)) << error;
    }

    fs::path Database() const { return root_ / "bin" / "HG.mdb"; }

    std::string Sql(const std::string& statement) {
        sqlite3* db = nullptr;
        std::string result;
        if (sqlite3_open(Database().c_str(), &db) == SQLITE_OK) {
            sqlite3_exec(
                db, statement.c_str(),
                [](void* out, int columns, char** values, char**) {
                    for (int i = 0; i < columns; ++i) {
                        *static_cast<std::string*>(out) +=
                            (values[i] ? values[i] : "") + std::string(i + 1 < columns ? "|" : ";");
                    }
                    return 0;
                },
                &result, nullptr);
        }
        sqlite3_close(db);
        return result;
    }

    void Key(const std::string& keys) {
        ASSERT_EQ(x_.Run({"xdotool", "key", "--clearmodifiers", keys}), 0) << keys;
    }

    // The window that has the keyboard once it is one named name (other than besides), and
    // the program has handled all that came before; 0 when none did within 20 s.
    uint32_t WaitActive(const std::string& name, uint32_t besides = 0) {
        for (int i = 0; i < 200; ++i) {
            std::string id, title;
            if (x_.Run({"xdotool", "getactivewindow"}, &id) == 0 && !id.empty() &&
                x_.Run({"xdotool", "getwindowname", id.substr(0, id.find('\n'))}, &title) == 0 &&
                title == name + "\n" && std::stoul(id) != besides) {
                const auto window = static_cast<uint32_t>(std::stoul(id));
                return x_.Settle(window) ? window : 0;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return 0;
    }

    // The first shown window named name; 0 when none showed within 20 s.
    uint32_t Shown(const std::string& name) {
        for (int i = 0; i < 200; ++i) {
            std::string found;
            if (x_.Run({"xdotool", "search", "--onlyvisible", "--name", "^" + name + "$"},
                       &found) == 0 &&
                !found.empty()) {
                return static_cast<uint32_t>(std::stoul(found));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return 0;
    }

    // The pixels of a part of window ("WxH+X+Y").
    std::string Shot(uint32_t window, const std::string& part) {
        std::string pixels;
        x_.Run({"import", "-window", std::to_string(window), "-crop", part, "+repage", "ppm:-"},
               &pixels);
        return pixels;
    }

    std::string Pointer() {
        std::string at;
        x_.Run({"xdotool", "getmouselocation"}, &at);
        return at;
    }

    fs::path root_;
    XvfbSession x_;
};

// Report: Return on its bar button, the day before with Alt+Left, a sort from the headings,
// Save, Escape; a program into another group from the Menu key; Options opened and closed.
TEST_F(KeyboardEndToEndTest, EveryStepByKeysAloneShowsInTheDatabaseAndThePage) {
    CUsageDb(Database().string()).LoadDb(0, 1);  // the file and its tables
    // The day before: alpha first in the report's own order; beta first on the day before it.
    Sql("INSERT INTO tgroup(name) VALUES ('Work');"
        "INSERT INTO titem(name, compunit, path, groupid) VALUES ('alpha', 0, '/opt/alpha', 0), "
        "('beta', 0, '/opt/beta', 0), ('gamma', 0, '/opt/gamma', 0);"
        "INSERT INTO ttime(itemid, d, h, seconds) SELECT id, date('now', 'localtime', '-1 day'), "
        "10, CASE name WHEN 'alpha' THEN 3600 WHEN 'gamma' THEN 1800 ELSE 600 END FROM titem;"
        "INSERT INTO ttime(itemid, d, h, seconds) SELECT id, date('now', 'localtime', '-2 day'), "
        "10, CASE name WHEN 'alpha' THEN 60 WHEN 'gamma' THEN 3000 ELSE 7200 END FROM titem;");
    const std::string home = (root_ / "home").string();
    const pid_t app =
        x_.Spawn({(root_ / "bin" / "hourglint").string()},
                 {"QT_QPA_PLATFORM=xcb", "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config"},
                 (root_ / "hourglint.log").string());
    const uint32_t shown = Shown("Hourglint");
    ASSERT_NE(shown, 0u);
    ASSERT_TRUE(x_.Activate(shown));
    const uint32_t main = WaitActive("Hourglint");
    ASSERT_EQ(main, shown);
    const std::string pointer = Pointer();
    const fs::path page = root_ / "report.htm";
    const std::time_t reportDay = std::time(nullptr) - 86400;

    // The bar's buttons without the clock, which changes every second.
    const std::string bar = "283x72+152+0";
    const std::string beforeTab = Shot(main, bar);
    Key("Tab");
    ASSERT_TRUE(x_.Settle(main));
    EXPECT_NE(Shot(main, bar), beforeTab) << "the focus cannot be seen";
    Key("Return");  // on Report
    const uint32_t report = WaitActive("Log Report");
    ASSERT_NE(report, 0u);
    // The chart changes only when a report is shown: then the list holds its rows.
    const std::string chart = "600x200+50+560";
    const std::string empty = Shot(report, chart);
    Key("alt+Left");
    for (int i = 0; i < 200 && Shot(report, chart) == empty; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_NE(Shot(report, chart), empty) << "no report for the day before";
    Key("shift+Tab");  // from the list to its headings: "Yesterday" is the third
    Key("Right");
    Key("Right");
    Key("space");
    Key("alt+s");
    ASSERT_NE(WaitActive("Save As"), 0u);
    Key("ctrl+a");
    ASSERT_EQ(x_.Run({"xdotool", "type", "--delay", "20", page.string()}), 0);
    Key("Return");
    ASSERT_NE(WaitActive("Hourglint", main), 0u) << "no \"View Now?\"";
    Key("Escape");  // No
    ASSERT_EQ(WaitActive("Log Report"), report);
    Key("alt+g");
    const uint32_t groups = WaitActive("Edit Group");
    ASSERT_NE(groups, 0u);
    Key("Down");  // from "Default" to its first program, alpha
    Key("Menu");
    ASSERT_TRUE(x_.Settle(groups));  // the menu is up
    Key("Down");
    Key("Return");  // "Work"
    ASSERT_TRUE(x_.Settle(groups));
    Key("Return");  // Save
    ASSERT_EQ(WaitActive("Log Report"), report);
    Key("Escape");
    ASSERT_EQ(WaitActive("Hourglint"), main) << "the report stayed open";
    Key("alt+c");
    ASSERT_NE(WaitActive("Options"), 0u);
    Key("Return");
    ASSERT_EQ(WaitActive("Hourglint"), main) << "Options stayed open";
    EXPECT_EQ(Pointer(), pointer);

    x_.Signal(app, SIGTERM);
    int status = 0;
    ASSERT_TRUE(x_.WaitExit(app, 15000, &status));
    const std::string html = FileText(page);
    EXPECT_NE(html.find("&quot;Today&quot;: <b>" + ReportDateText(reportDay) + "</b>"),
              std::string::npos)
        << html;
    const size_t beta = html.find(">beta<"), gamma = html.find(">gamma<"),
                 alpha = html.find(">alpha<");
    EXPECT_TRUE(beta < gamma && gamma < alpha && alpha != std::string::npos)
        << "not by the day before, descending";
    EXPECT_EQ(Sql("SELECT titem.name, tgroup.name FROM titem JOIN tgroup ON groupid = tgroup.id"),
              "alpha|Work;");
    EXPECT_NE(FileText(root_ / "home" / ".config" / "Hourglint" / "Hourglint.conf")
                  .find("bAlarmNotify=1"),
              std::string::npos)
        << "Options did not store";
}

}  // namespace
