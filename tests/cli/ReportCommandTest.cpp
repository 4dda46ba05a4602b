// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDateTimeEdit>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QSplitter>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CliTestSupport.h"
#include "DbTestSupport.h"
#include "cli/CCommandLine.h"
#include "cli/CReportCommand.h"
#include "db/CUsageDb.h"
#include "report/CReportBottomView.h"
#include "report/CReportDialogBar.h"
#include "report/CReportFrame.h"
#include "report/CReportModel.h"

namespace {

// Names as the report must write them: the stray byte becomes U+FFFD.
std::string Repaired(std::string name) {
    const size_t bad = name.find('\xFF');
    if (bad != std::string::npos) name.replace(bad, 1, "\xEF\xBF\xBD");
    return name;
}

// RFC 4180 records, LF line ends.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record(1);
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            record.back() += text[++i];
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            record.emplace_back();
        } else if (!quoted && c == '\n') {
            records.push_back(std::exchange(record, std::vector<std::string>(1)));
        } else {
            record.back() += c;
        }
    }
    return records;
}

class ReportCommandTest : public DbTest {
  protected:
    void SetUp() override {
        DbTest::SetUp();
        CUsageDb(path_).LoadDb(0, 1);  // the file with its tables
        RawDb raw(path_);
        raw.Exec("INSERT INTO tgroup(name) VALUES ('Work, \"deep\"'), ('caf\xC3\xA9 \xFF')");
        const char* const programs[] = {"comma,name", "say \"hi\"", "caf\xC3\xA9", "bad\xFF",
                                        "line\nbreak"};
        for (int i = 0; i < 5; ++i) {
            raw.Exec(std::string("INSERT INTO titem(name, compunit, path, groupid) VALUES ('") +
                     programs[i] + "', 0, '/opt/" + programs[i] + "', " + std::to_string(i % 3) +
                     ")");
        }
        // The day, the day before and 20 days earlier, so every period has its rows.
        raw.Exec(
            "INSERT INTO ttime(itemid, d, h, seconds) VALUES "
            "(1, '2026-12-07', 9, 700), (2, '2026-12-07', 10, 3600), "
            "(3, '2026-12-06', 11, 90), (4, '2026-11-17', 8, 7000), "
            "(5, '2026-12-07', 12, 5), (1, '2026-12-01', 9, 140)");
    }

    CCommandLine Options(const std::vector<std::string>& extra) const {
        std::vector<std::string> args = {"--report", "--database", path_, "--date", "2026-12-07"};
        args.insert(args.end(), extra.begin(), extra.end());
        return CCommandLine::Parse(args);
    }

    // The report as the report window computes it from the same file.
    ReportTable WindowRows(bool group) const {
        return CReportModel::Compute(path_, LocalInstant(2026, 12, 7),
                                     group ? ReportMode::Group : ReportMode::Process)
            .Rows();
    }
};

TEST_F(ReportCommandTest, CsvAndJsonHoldTheWindowsRows) {
    for (const bool group : {false, true}) {
        SCOPED_TRACE(group ? "Group" : "Process");
        const ReportTable expected = WindowRows(group);
        ASSERT_EQ(expected.size(), group ? 3u : 5u);
        const std::vector<std::string> mode =
            group ? std::vector<std::string>{"--group"} : std::vector<std::string>{};

        std::ostringstream csv, csvErr;
        ASSERT_EQ(CReportCommand(Options(mode)).Run(csv, csvErr), 0) << csvErr.str();
        const auto records = ParseCsv(csv.str());
        ASSERT_EQ(records.size(), expected.size() + 1);
        EXPECT_EQ(records[0][0], group ? "Group" : "Process");

        std::vector<std::string> jsonMode = mode;
        jsonMode.insert(jsonMode.end(), {"--format", "json"});
        std::ostringstream json, jsonErr;
        ASSERT_EQ(CReportCommand(Options(jsonMode)).Run(json, jsonErr), 0) << jsonErr.str();
        QJsonParseError error{};
        const QJsonObject object =
            QJsonDocument::fromJson(QByteArray::fromStdString(json.str()), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << json.str();
        EXPECT_EQ(object["date"].toString(), QStringLiteral("2026-12-07"));
        EXPECT_EQ(object["mode"].toString(),
                  group ? QStringLiteral("Group") : QStringLiteral("Process"));
        const QJsonArray rows = object["rows"].toArray();
        ASSERT_EQ(rows.size(), static_cast<qsizetype>(expected.size()));

        int totals[5] = {};
        for (size_t i = 0; i < expected.size(); ++i) {
            const ReportRow& want = expected[i];
            const int values[5] = {want.today, want.yesterday, want.week, want.month, want.year};
            const QJsonObject row = rows[static_cast<qsizetype>(i)].toObject();
            EXPECT_EQ(records[i + 1][0], Repaired(want.name));
            EXPECT_EQ(row["name"].toString().toStdString(), Repaired(want.name));
            EXPECT_EQ(row.contains("path"), !group);
            if (!group) {
                EXPECT_EQ(row["path"].toString().toStdString(), Repaired(want.path));
            }
            const char* const keys[5] = {"today", "yesterday", "week", "month", "year"};
            for (int v = 0; v < 5; ++v) {
                EXPECT_EQ(records[i + 1][static_cast<size_t>(v) + 1], std::to_string(values[v]));
                EXPECT_EQ(row[keys[v]].toInt(-1), values[v]);
                totals[v] += values[v];
            }
        }
        const QJsonObject jsonTotals = object["totals"].toObject();
        EXPECT_EQ(jsonTotals["today"].toInt(-1), totals[0]);
        EXPECT_EQ(jsonTotals["year"].toInt(-1), totals[4]);
    }
}

QByteArray FileBytes(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST_F(ReportCommandTest, HtmlIsTheWindowsSaveOfTheSameReport) {
    EnsureTestApplication();
    CReportFrame frame(path_, {}, nullptr);
    frame.DialogBar().DatePicker().setDateTime(QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
    frame.show();
    // The chart pane at the size the command line draws.
    frame.resize(CReportCommand::kChartSize.width(), CReportFrame::kHeight);
    QApplication::processEvents();
    const int total = frame.Splitter().sizes().value(0) + frame.Splitter().sizes().value(1);
    frame.Splitter().setSizes(
        {total - CReportCommand::kChartSize.height(), CReportCommand::kChartSize.height()});
    QApplication::processEvents();
    ASSERT_EQ(frame.ChartView().size(), CReportCommand::kChartSize);
    QSignalSpy shown(&frame, &CReportFrame::Refreshed);
    frame.Refresh();
    ASSERT_TRUE(shown.wait(60000));
    std::filesystem::create_directories(folder_ / "window");
    ASSERT_TRUE(
        frame.SaveTo(QString::fromStdString((folder_ / "window" / "report.htm").string())).written);

    std::filesystem::create_directories(folder_ / "cli");
    std::ostringstream out, err;
    EXPECT_EQ(CReportCommand(Options({"--format", "html", "--output",
                                      (folder_ / "cli" / "report.htm").string()}))
                  .Run(out, err),
              0)
        << err.str();
    EXPECT_EQ(out.str(), "");
    for (const char* name : {"report.htm", "report.jpg"}) {
        SCOPED_TRACE(name);
        const QByteArray window = FileBytes(folder_ / "window" / name);
        EXPECT_GT(window.size(), 1000);
        EXPECT_TRUE(FileBytes(folder_ / "cli" / name) == window);
    }
}

TEST_F(ReportCommandTest, ReadsWhileAnotherConnectionWrites) {
    RawDb writer(path_);
    writer.Exec("BEGIN IMMEDIATE");
    writer.Exec("INSERT INTO ttime(itemid, d, h, seconds) VALUES (3, '2026-12-07', 13, 1)");
    writer.Exec("DELETE FROM ttime WHERE itemid = 2");

    std::ostringstream out, err;
    EXPECT_EQ(CReportCommand(Options({})).Run(out, err), 0) << err.str();
    // What was committed, none of the open transaction.
    EXPECT_EQ(ParseCsv(out.str())[1],
              (std::vector<std::string>{"say \"hi\"", "3600", "0", "514", "120", "9"}));
    writer.Exec("ROLLBACK");
}

TEST_F(ReportCommandTest, EveryDayOfYearsOneTo9999ReportsOnlyItsOwnRows) {
    const char* const days[] = {"0001-01-01", "0203-01-01", "0999-12-31", "9999-12-31"};
    for (const char* day : days) {
        RawDb(path_).Exec(std::string("INSERT INTO titem(name, compunit, path) VALUES ('p") + day +
                          "', 0, ''); INSERT INTO ttime(itemid, d, h, seconds) "
                          "VALUES (last_insert_rowid(), '" +
                          day + "', 9, 3650)");
    }
    for (const char* day : days) {
        SCOPED_TRACE(day);
        std::vector<std::string> args = {"--report", "--database", path_, "--date", day};
        std::ostringstream out, err;
        ASSERT_EQ(CReportCommand(CCommandLine::Parse(args)).Run(out, err), 0) << err.str();
        const auto records = ParseCsv(out.str());
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(records[1], (std::vector<std::string>{std::string("p") + day, "3650", "0", "521",
                                                        "121", "10"}));
    }
}

TEST_F(ReportCommandTest, FailureWritesNothing) {
    RawDb(path_).Exec("DROP TABLE tgroup");
    const std::string output = (folder_ / "report.json").string();
    std::ostringstream out, err;
    EXPECT_EQ(
        CReportCommand(Options({"--group", "--format", "json", "--output", output})).Run(out, err),
        1);
    EXPECT_EQ(err.str(),
              "hourglint: Fail to report group!\nError Information: no such table: "
              "tgroup\n");
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_TRUE(messages_.empty());  // the terminal, not the program's message handler
}

}  // namespace
