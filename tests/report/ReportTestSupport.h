// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QApplication>
#include <QSignalSpy>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "LocalInstant.h"
#include "core/Message.h"
#include "db/CUsageDb.h"
#include "db/DbText.h"
#include "report/CReportFrame.h"

// The one QApplication of the test binary (offscreen platform).
inline void EnsureTestApplication() {
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "hourglint_report_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

// Starts a Refresh and waits until the window shows its report.
inline bool RefreshAndWait(CReportFrame& frame) {
    QSignalSpy shown(&frame, &CReportFrame::Refreshed);
    frame.Refresh();
    return shown.wait(60000);
}

// A real database file in the test's own folder, filled through a second connection, and
// the messages the program showed.
class ReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureTestApplication();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::path(std::getenv("HOME")) / "report-tests" /
                  (std::string(info->test_suite_name()) + "." + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "HG.mdb").string();
        previous_ =
            SetMessageHandler([this](const std::string& text) { messages_.push_back(text); });
        CUsageDb(path_).LoadDb(0, 1);  // the file and its tables
    }
    void TearDown() override {
        SetMessageHandler(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    void Exec(const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
            << sql << ": " << (error != nullptr ? error : "");
        sqlite3_free(error);
        sqlite3_close(db);
    }
    void AddItem(int id, const std::string& name, int groupid) {
        Exec("INSERT INTO titem(id, name, compunit, path, groupid) VALUES (" + std::to_string(id) +
             ", '" + name + "', 0, '/usr/bin/" + name + "', " + std::to_string(groupid) + ")");
    }
    // seconds on the day daysBefore days before the anchor.
    void AddTime(int itemid, int daysBefore, int seconds) {
        Exec("INSERT INTO ttime(itemid, d, h, seconds) VALUES (" + std::to_string(itemid) + ", '" +
             FormatDbDate(anchor_ - int64_t{daysBefore} * 86400) + "', 9, " +
             std::to_string(seconds) + ")");
    }

    const int64_t anchor_ = LocalInstant(2026, 12, 6, 12);
    std::filesystem::path folder_;
    std::string path_;
    std::vector<std::string> messages_;
    MessageHandler previous_;
};
