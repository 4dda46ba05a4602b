// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "CliTestSupport.h"
#include "DbTestSupport.h"
#include "cli/CCommandLine.h"
#include "db/CUsageDb.h"

namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

namespace fs = std::filesystem;

// The built program with no display at all, as from a cron job; through prefix (setpriv)
// when given; with the language variables only of language, when given.
Outcome RunProgram(const std::vector<std::string>& args,
                   const std::vector<std::string>& prefix = {},
                   const std::map<std::string, std::string>& language = {}) {
    QStringList arguments;
    for (const std::string& arg : args) arguments << QString::fromStdString(arg);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    if (!language.empty()) {
        for (const QString& name : environment.keys()) {
            if (name.startsWith(u"LC_") || name == u"LANG" || name == u"LANGUAGE") {
                environment.remove(name);
            }
        }
    }
    for (const auto& [name, value] : language) {
        environment.insert(QString::fromStdString(name), QString::fromStdString(value));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    QString program = QStringLiteral(HOURGLINT_EXECUTABLE);
    for (auto it = prefix.rbegin(); it != prefix.rend(); ++it) {
        arguments.prepend(std::exchange(program, QString::fromStdString(*it)));
    }
    process.start(program, arguments);
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
        {{"--history", "--database", database, "--from", "2026-12-01", "--to=2026-12-03"},
         0,
         "Process,Total,2026-12-01,2026-12-02,2026-12-03\n",
         ""},
        {{"--history", "--from", "2026-12-04", "--to", "2026-12-03"},
         2,
         "",
         "hourglint: the range starts after it ends: --from 2026-12-04 --to 2026-12-03"},
        {{"--history", "--from", "2000-01-01", "--to", "2026-12-03"},
         2,
         "",
         "hourglint: a history covers at most 3660 days, not 9834"},
        {{"--history", "--date", "2026-12-01"},
         2,
         "",
         "hourglint: option '--date' goes with --report; a history takes --from and --to"},
        {{"--report", "--by", "hour"}, 2, "", "hourglint: option '--by' needs --history"},
        {{"--history", "--by", "week"},
         2,
         "",
         "hourglint: unknown value 'week' of --by: expected day or hour"},
        {{"--report", "--history"}, 2, "", "hourglint: --report and --history cannot go together"},
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

// Every entry of a folder: a file's bytes, else its kind (a -shm file changes as readers
// come and go).
std::map<std::string, std::string> Entries(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::string& value = entries[entry.path().filename().string()];
        if (entry.is_symlink() || !entry.is_regular_file() ||
            entry.path().string().ends_with("-shm")) {
            value = "kind " + std::to_string(static_cast<int>(entry.symlink_status().type()));
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            value.assign(std::istreambuf_iterator<char>(in), {});
        }
    }
    return entries;
}

TEST(CommandLineTest, AReportNeverWritesTheDatabaseNorHalfItsFiles) {
    EnsureTestApplication();
    const fs::path dir = fs::path(std::getenv("HOME")) / "targets";
    fs::create_directories(dir / "folder.csv");
    fs::create_directories(dir / "dir.jpg");
    const auto at = [&](const std::string& name) { return (dir / name).string(); };
    const std::string database = at("HG.mdb");
    CUsageDb(database).LoadDb(0, 1);
    RawDb running(database);  // -wal and -shm stay beside it, as while Hourglint runs
    running.Exec("INSERT INTO tgroup(name) VALUES ('Work')");
    fs::create_symlink("HG.mdb", dir / "link.csv");
    fs::create_hard_link(database, dir / "hard.csv");
    for (const char* fifo : {"page.html", "pipe.csv", "db.fifo"}) {
        ASSERT_EQ(::mkfifo(at(fifo).c_str(), 0600), 0);
    }
    for (const char* readOnly : {"ro.html", "rochart.jpg"}) {
        std::ofstream(at(readOnly)) << "old";
        fs::permissions(at(readOnly), fs::perms::owner_read);
    }
    const std::string usage = std::string(CCommandLine::UsageHint()) + "\n";

    struct Target {
        std::vector<std::string> args;  // after --report --database HG.mdb
        int exitCode;
        std::string err;  // all of standard error
    };
    const std::vector<Target> cases = {
        {{"--output", database}, 1, "hourglint: output " + database + " is the database\n"},
        {{"--output", at("link.csv")},
         1,
         "hourglint: output " + at("link.csv") + " is the database\n"},
        {{"--output", at("hard.csv")},
         1,
         "hourglint: output " + at("hard.csv") + " is the database\n"},
        {{"--format", "json", "--output", database + "-wal"},
         1,
         "hourglint: output " + database + "-wal is the database\n"},
        {{"--output", at("folder.csv")},
         1,
         "hourglint: cannot write " + at("folder.csv") + ": it is a folder\n"},
        {{"--output", "/dev/full"},
         1,
         "hourglint: cannot write /dev/full: No space left on device\n"},
        {{"--format", "html", "--output", at("page.jpg")},
         2,
         "hourglint: cannot write " + at("page.jpg") +
             ": the chart image would replace the page\n" + usage},
        {{"--format", "html", "--output", at("page.html")},
         2,
         "hourglint: cannot write " + at("page.html") + ": it is not a regular file\n" + usage},
        {{"--format", "html", "--output", at("dir.html")},
         2,
         "hourglint: cannot write " + at("dir.jpg") + ": it is a folder\n" + usage},
        {{"--format", "html", "--output", at("folder.csv")},
         2,
         "hourglint: cannot write " + at("folder.csv") + ": it is a folder\n" + usage},
        {{"--format", "html", "--output", at("ro.html")},
         1,
         "hourglint: cannot write " + at("ro.html") + ": Permission denied\n"},
        {{"--format", "html", "--output", at("rochart.htm")},
         1,
         "hourglint: cannot write " + at("rochart.jpg") + ": Permission denied\n"},
        {{"--database", at("db.fifo")},
         1,
         "hourglint: the database " + at("db.fifo") + " is not a regular file\n"},
        {{"--database", at("folder.csv")},
         1,
         "hourglint: the database " + at("folder.csv") + " is not a regular file\n"},
        {{"--database", "/dev/null"},
         1,
         "hourglint: the database /dev/null is not a regular file\n"},
        {{"--output", at("pipe.csv")}, 0, ""},
    };
    for (const Target& c : cases) {
        SCOPED_TRACE(c.args.back());
        std::vector<std::string> args = {"--report", "--database", database};
        args.insert(args.end(), c.args.begin(), c.args.end());
        // The pipe's reader; it would wait for ever if the report never opened the pipe.
        QProcess reader;
        reader.start(QStringLiteral("cat"), {QString::fromStdString(at("pipe.csv"))});
        const auto before = Entries(dir);
        const Outcome outcome = RunProgram(args);
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        EXPECT_EQ(outcome.err, c.err);
        // The database, its -wal and every other file as they were, nothing new beside them.
        EXPECT_EQ(Entries(dir), before);
        if (c.exitCode == 0) {
            ASSERT_TRUE(reader.waitForFinished(10000));
            EXPECT_EQ(reader.readAllStandardOutput().toStdString().substr(0, 8), "Process,");
        }
        reader.kill();
        reader.waitForFinished();
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_EQ(running.Value("SELECT name FROM tgroup"), "Work");
}

// The kernel's protected-symlinks rule, applied by the report itself: in a sticky folder
// that everyone may write, a link that another user planted is never written through.
TEST(CommandLineTest, AReportNeverWritesThroughAnotherUsersLinkInASharedFolder) {
    if (::geteuid() != 0) {
        // CI runs as root: there a skip would hide the rule, so it fails instead.
        if (std::getenv("CI") != nullptr) FAIL() << "CI must run this as root";
        GTEST_SKIP() << "needs root to give a link to another user";
    }
    EnsureTestApplication();
    const fs::path home(std::getenv("HOME"));
    const fs::path shared = home / "shared";
    fs::create_directories(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string database = (home / "sticky.mdb").string();
    CUsageDb(database).LoadDb(0, 1);
    for (const char* name : {"mine.csv", "own.csv"}) std::ofstream(home / name) << "mine";
    fs::create_symlink(home / "mine.csv", shared / "planted.csv");
    ASSERT_EQ(::lchown((shared / "planted.csv").c_str(), 65534, 65534), 0);
    fs::create_symlink(home / "own.csv", shared / "own.csv");

    for (const char* format : {"csv", "html"}) {
        const std::string link = (shared / "planted.csv").string();
        const Outcome outcome =
            RunProgram({"--report", "--database", database, "--format", format, "--output", link});
        EXPECT_EQ(outcome.exitCode, 1) << format;
        EXPECT_EQ(outcome.err, "hourglint: output " + link + " is a link owned by another user\n");
    }
    std::ifstream mine(home / "mine.csv");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(mine), {}), "mine");
    // A link of the user's own is followed as before.
    EXPECT_EQ(
        RunProgram({"--report", "--database", database, "--output", (shared / "own.csv").string()})
            .exitCode,
        0);
    std::ifstream own(home / "own.csv");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(own), {}).substr(0, 8), "Process,");
    EXPECT_TRUE(fs::is_symlink(shared / "own.csv"));
}

TEST(CommandLineTest, AReportReadsAFileInAFolderItCannotWriteAsItIs) {
    const fs::path home(std::getenv("HOME"));
    const fs::path dir = home / "readonly";
    fs::create_directories(dir);
    const std::string database = (dir / "HG.mdb").string();
    CUsageDb(database).LoadDb(0, 1);  // write-ahead logging, closed: no -wal left
    ASSERT_FALSE(fs::exists(database + "-wal"));
    // Root writes anywhere: then the report runs as nobody, who needs a way in.
    std::vector<std::string> prefix;
    if (::geteuid() == 0) {
        prefix = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        fs::permissions(home, fs::perms::others_exec, fs::perm_options::add);
    }
    const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                          fs::perms::others_exec;
    fs::permissions(database, fs::perms::owner_read | fs::perms::others_read);
    fs::permissions(dir, readOnly);

    const Outcome plain = RunProgram({"--report", "--database", database}, prefix);
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out.substr(0, 8), "Process,");
    EXPECT_EQ(plain.err, "hourglint: " + database +
                             " was read as an unchanging file: its folder cannot be written\n");

    // Changes may wait in a -wal file, which an unchanging read would miss.
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::add);
    std::ofstream(database + "-wal").put('\0');
    fs::permissions(dir, readOnly);
    const auto before = Entries(dir);
    const Outcome pending = RunProgram({"--report", "--database", database}, prefix);
    EXPECT_EQ(pending.exitCode, 1);
    EXPECT_NE(pending.err.find("the changes waiting in " + database + "-wal cannot be read"),
              std::string::npos)
        << pending.err;
    EXPECT_EQ(Entries(dir), before);
    fs::permissions(dir, fs::perms::owner_all);
}

}  // namespace

// What a script reads never follows the language: German, whose decimal comma and thousands
// dot the C library takes once Qt has set the locale, gives the bytes C gives.
TEST(CommandLineTest, MachineOutputIsTheSameInGermanAsInC) {
    EnsureTestApplication();
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/setup.sh makes it";
    std::setlocale(LC_ALL, before.c_str());
    const std::string database = (fs::path(std::getenv("HOME")) / "German.mdb").string();
    CUsageDb(database).LoadDb(0, 1);
    RawDb raw(database);
    raw.Exec("INSERT INTO tgroup(name) VALUES ('B\xC3\xBCro')");
    raw.Exec(
        "INSERT INTO titem(name, compunit, path, groupid) VALUES ('\xC3\xA9"
        "diteur', 0, "
        "'/usr/bin/ed', 1), ('Zeit', 0, '/usr/bin/zeit', 0)");
    raw.Exec(
        "INSERT INTO ttime(itemid, d, h, seconds) VALUES (1, '2026-12-07', 9, 3599), "
        "(1, '2026-12-01', 23, 1234567), (2, '2026-12-06', 0, 7), (2, '2026-11-30', 12, 61)");
    const std::vector<std::vector<std::string>> commands = {
        {"--report", "--date", "2026-12-07"},
        {"--report", "--date", "2026-12-07", "--format", "json", "--group"},
        {"--history", "--from", "2026-11-29", "--to", "2026-12-07"},
        {"--history", "--from", "2026-11-29", "--to", "2026-12-07", "--by", "hour", "--format",
         "json"},
    };
    for (std::vector<std::string> args : commands) {
        SCOPED_TRACE(args[0] + ' ' + args.back());
        args.insert(args.end(), {"--database", database});
        const Outcome c = RunProgram(args, {}, {{"LANG", "C"}});
        const Outcome german = RunProgram(args, {}, {{"LANG", "de_DE.UTF-8"}});
        EXPECT_EQ(c.exitCode, 0);
        EXPECT_NE(c.out.find("3599"), std::string::npos);
        EXPECT_EQ(german.exitCode, 0);
        EXPECT_EQ(german.out, c.out);
    }
}

// The language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG as Qt reads them, the program's
// own translations being built in; English, C and languages without one stay English.
TEST(CommandLineTest, MessagesSpeakTheUsersLanguage) {
    EnsureTestApplication();
    const std::string english = "hourglint: unknown option '--bogus'";
    const std::vector<std::pair<std::map<std::string, std::string>, std::string>> cases = {
        {{{"LANG", "C"}}, english},
        {{{"LANG", "en_US.UTF-8"}}, english},
        {{{"LANGUAGE", "it"}, {"LANG", "C"}}, english},
        {{{"LANGUAGE", "en:de"}, {"LANG", "de_DE.UTF-8"}}, english},
        {{{"LANG", "de_DE.UTF-8"}}, "hourglint: unbekannte Option \u201E--bogus\u201C"},
        {{{"LANGUAGE", "fr"}, {"LANG", "C"}},
         "hourglint: option inconnue \u00AB\u00A0--bogus\u00A0\u00BB"},
        {{{"LC_ALL", "es_ES.UTF-8"}}, "hourglint: opci\u00F3n desconocida \u00AB--bogus\u00BB"},
        {{{"LANG", "pt_BR.UTF-8"}}, "hourglint: op\u00E7\u00E3o desconhecida \"--bogus\""},
        {{{"LC_MESSAGES", "ru_RU.UTF-8"}, {"LANG", "C"}},
         "hourglint: \u043D\u0435\u0438\u0437\u0432\u0435\u0441\u0442\u043D\u044B\u0439 "
         "\u043F\u0430\u0440\u0430\u043C\u0435\u0442\u0440 \u00AB--bogus\u00BB"},
        {{{"LANGUAGE", "zh_CN"}}, "hourglint: \u672A\u77E5\u9009\u9879\u201C--bogus\u201D"},
    };
    for (const auto& [language, err] : cases) {
        SCOPED_TRACE(language.begin()->second);
        const Outcome outcome = RunProgram({"--bogus"}, {}, language);
        EXPECT_EQ(outcome.exitCode, 2);
        EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n')), err);
    }
}
