#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "CliTestSupport.h"
#include "cli/CCommandLine.h"
#include "db/CUsageDb.h"

namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The built program with no display at all, as from a cron job.
Outcome RunProgram(const std::vector<std::string>& args) {
    QStringList arguments;
    for (const std::string& arg : args) arguments << QString::fromStdString(arg);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(HOURGLINT_EXECUTABLE), arguments);
    if (!process.waitForFinished(30000)) return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

struct Case {
    std::vector<std::string> args;
    int exitCode;
    std::string out;  // standard output begins with this
    std::string err;  // first line of standard error, exactly
};

TEST(CommandLineTest, ExitCodesAndMessages) {
    EnsureTestApplication();

    const std::filesystem::path home(std::getenv("HOME"));
    const std::string database = (home / "HG.mdb").string();
    CUsageDb(database).LoadDb(0, 1);  // an empty database with its tables
    const std::string missing = (home / "absent" / "HG.mdb").string();
    const std::string output = (home / "groups.csv").string();
    const std::string version =
        std::string("Hourglint ") + HOURGLINT_VERSION + "\nLicense GPLv3+: GNU GPL version 3";
    const std::string header = "Process,Today,Yesterday,Week Average,Month Average,Year Average\n";

    const std::vector<Case> cases = {
        {{"--help"}, 0, "Usage: hourglint [--report [OPTION]...]\n", ""},
        {{"--report", "-h"}, 0, "Usage: hourglint", ""},
        {{"--version"}, 0, version, ""},
        {{"-v"}, 0, version, ""},
        {{"--report", "--database", database, "--date", "2026-12-07"}, 0, header, ""},
        {{"--report", "--database", database, "--group", "--output", output}, 0, "", ""},
        {{"--report", "--database", missing}, 1, "", "hourglint: no database at " + missing},
        {{"--bogus"}, 2, "", "hourglint: unknown option '--bogus'"},
        {{"stray"}, 2, "", "hourglint: unexpected argument 'stray'"},
        {{"--report", "--date", "2026-02-29"},
         2,
         "",
         "hourglint: malformed date '2026-02-29': expected YYYY-MM-DD"},
        {{"--report", "--date=7.12.2026"},
         2,
         "",
         "hourglint: malformed date '7.12.2026': expected YYYY-MM-DD"},
        {{"--report", "--date"}, 2, "", "hourglint: option '--date' needs a value"},
        {{"--report", "--format", "xml"},
         2,
         "",
         "hourglint: unknown format 'xml': expected csv, json or html"},
        {{"--report", "--format", "html"}, 2, "", "hourglint: the html format needs --output FILE"},
        {{"--group"}, 2, "", "hourglint: option '--group' needs --report"},
        {{"--report=now"}, 2, "", "hourglint: option '--report' takes no value"},
    };
    for (const Case& c : cases) {
        std::string label;
        for (const std::string& arg : c.args) label += arg + ' ';
        SCOPED_TRACE(label);
        const Outcome outcome = RunProgram(c.args);
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        EXPECT_EQ(outcome.out.substr(0, c.out.size()), c.out);
        if (c.exitCode == 0) {
            EXPECT_EQ(outcome.err, "");
        } else {
            EXPECT_EQ(outcome.out, "");
        }
        EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n')), c.err);
        if (c.exitCode == 2) {
            // The problem, then the usage hint: two lines.
            EXPECT_EQ(outcome.err, c.err + "\n" + CCommandLine::UsageHint() + "\n");
        }
    }
    std::ifstream written(output);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}),
              "Group" + header.substr(header.find(',')));
    // The report only reads: the missing file and its folder stay missing.
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(missing).parent_path()));
}

}  // namespace
