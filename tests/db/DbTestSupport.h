// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "LocalInstant.h"
#include "core/CAppSettings.h"
#include "core/ISettingsStore.h"
#include "core/Message.h"

// Settings with a chosen auto-save interval.
class AutoSaveStore : public ISettingsStore {
  public:
    explicit AutoSaveStore(long long seconds) : seconds_(seconds) {}
    std::optional<long long> ReadInt(const std::string& name) const override {
        if (name == "iAutoSave") return seconds_;
        return std::nullopt;
    }
    void WriteInt(const std::string&, long long) override {}

  private:
    long long seconds_;
};

// A second, independent connection for setting up and inspecting files.
class RawDb {
  public:
    explicit RawDb(const std::string& path) {
        if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) {
            ADD_FAILURE() << "cannot open " << path;
        }
        sqlite3_busy_timeout(db_, 5000);
    }
    ~RawDb() { sqlite3_close_v2(db_); }
    RawDb(const RawDb&) = delete;
    RawDb& operator=(const RawDb&) = delete;

    void Exec(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << (error != nullptr ? error : "?");
        }
        sqlite3_free(error);
    }

    // Every row of the query, columns joined by '|', null as "NULL".
    std::vector<std::string> Rows(const std::string& sql) {
        std::vector<std::string> rows;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db_);
            return rows;
        }
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            std::string row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                if (i > 0) row += '|';
                const auto* text = sqlite3_column_text(stmt, i);
                row += text != nullptr ? reinterpret_cast<const char*>(text) : "NULL";
            }
            rows.push_back(row);
        }
        sqlite3_finalize(stmt);
        return rows;
    }

    std::string Value(const std::string& sql) {
        const std::vector<std::string> rows = Rows(sql);
        return rows.empty() ? std::string("<none>") : rows.front();
    }

  private:
    sqlite3* db_ = nullptr;
};

// A fresh folder per test and a recording message handler.
class DbTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::path(std::getenv("HOME")) / "db-tests" /
                  (std::string(info->test_suite_name()) + "." + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "HG.mdb").string();
        previous_ = SetMessageHandler([this](const std::string& text) {
            messages_.push_back(text);
            if (onMessage_) onMessage_();
        });
        settings_.Load(AutoSaveStore(10));
    }
    void TearDown() override {
        SetMessageHandler(previous_);
        std::error_code ignored;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(folder_, ignored);
    }

    void SetAutoSave(long long seconds) { settings_.Load(AutoSaveStore(seconds)); }

    std::filesystem::path folder_;
    std::string path_;
    CAppSettings settings_;
    std::vector<std::string> messages_;
    std::function<void()> onMessage_;
    MessageHandler previous_;
};
