// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "CliTestSupport.h"
#include "DbTestSupport.h"
#include "cli/CCommandLine.h"
#include "cli/CReportCommand.h"
#include "db/CSnapshotWriter.h"
#include "db/CUsageDb.h"

namespace {

class AllComputersCommand : public DbTest {
  protected:
    void SetUp() override {
        DbTest::SetUp();
        EnsureTestApplication();
    }
    void Fill(const std::string& path, const std::string& name, int seconds) {
        CUsageDb(path).LoadDb(0, 1);
        RawDb raw(path);
        raw.Exec("INSERT INTO titem(name, compunit, path, groupid) VALUES ('" + name + "', 0, '" +
                 path + "', 0)");
        raw.Exec("INSERT INTO ttime(itemid, d, h, seconds) VALUES (1, '2026-12-07', 9, " +
                 std::to_string(seconds) + ")");
    }
};

}  // namespace

TEST_F(AllComputersCommand, FurtherDatabasesAreOtherComputersAndBadOnesAreNamed) {
    Fill(path_, "editor", 100);
    const std::string other = (folder_ / "other.mdb").string();
    Fill(other, "editor", 50);
    const auto snapshot =
        CSnapshotWriter::Write(other, folder_.string(), "laptop-1.hgshare", "1111", "laptop");
    ASSERT_EQ(snapshot.status, CSnapshotWriter::Status::Written);
    const std::string bad = (folder_ / "bad.hgshare").string();
    std::ofstream(bad) << "half a file";

    const CCommandLine options =
        CCommandLine::Parse({"--report", "--database", path_, "--database", snapshot.file,
                             "--database", bad, "--date", "2026-12-07", "--format", "json"});
    ASSERT_EQ(options.Databases().size(), 3u);
    std::ostringstream out, err;
    ASSERT_EQ(CReportCommand(options).Run(out, err), 0) << err.str();
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
    EXPECT_EQ(json["computers"].toArray(),
              QJsonArray({QSysInfo::machineHostName(), QStringLiteral("laptop")}));
    const QJsonObject row = json["rows"].toArray()[0].toObject();
    EXPECT_EQ(row["today"].toInt(), 150);
    EXPECT_EQ(row["path"].toString().toStdString(), path_);  // this computer's
    EXPECT_NE(err.str().find("left out " + bad), std::string::npos) << err.str();

    // Without a share folder in the settings there is nothing to add from.
    std::ostringstream none, why;
    EXPECT_EQ(
        CReportCommand(CCommandLine::Parse({"--report", "--all-computers", "--database", path_}))
            .Run(none, why),
        CCommandLine::kExitFailure);
    EXPECT_NE(why.str().find("no share folder"), std::string::npos) << why.str();
}

TEST_F(AllComputersCommand, AnotherComputersDatabaseCountsWithItsLogAndStaysAsItWas) {
    Fill(path_, "editor", 100);
    const std::filesystem::path laptop = folder_ / "laptop";
    const std::string other = (laptop / "HG.mdb").string();
    Fill(other, "editor", 50);
    {
        // Rows the laptop's last run left in its -wal.
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(other.c_str(), &db), SQLITE_OK);
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        EXPECT_EQ(sqlite3_exec(db,
                               "INSERT INTO ttime(itemid, d, h, seconds) VALUES (1, "
                               "'2026-12-07', 10, 7)",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
    }
    ASSERT_GT(std::filesystem::file_size(other + "-wal"), 0u);
    // The same database copied once more: the same day sums, counted once.
    const std::string copy = (folder_ / "copy.mdb").string();
    std::filesystem::copy_file(other, copy);
    std::filesystem::copy_file(other + "-wal", copy + "-wal");
    const auto contents = [&laptop] {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(laptop)) {
            std::ifstream in(entry.path(), std::ios::binary);
            files.push_back(entry.path().filename().string() + ":" +
                            std::string(std::istreambuf_iterator<char>(in), {}));
        }
        std::sort(files.begin(), files.end());
        return files;
    };
    const std::vector<std::string> before = contents();

    std::ostringstream out, err;
    ASSERT_EQ(CReportCommand(CCommandLine::Parse({"--report", "--database", path_, "--database",
                                                  other, "--database", copy, "--database", path_,
                                                  "--date", "2026-12-07", "--format", "json"}))
                  .Run(out, err),
              0)
        << err.str();
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
    EXPECT_EQ(json["rows"].toArray()[0].toObject()["today"].toInt(), 100 + 50 + 7);
    EXPECT_EQ(json["computers"].toArray(),
              QJsonArray({QSysInfo::machineHostName(), QStringLiteral("HG.mdb")}));
    EXPECT_EQ(err.str(), "hourglint: " + other + ": the same day sums as another file\n" +
                             "hourglint: " + copy + ": the same day sums as another file\n");
    EXPECT_EQ(contents(), before);
}
