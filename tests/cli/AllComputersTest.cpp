// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>
#include <fstream>
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
