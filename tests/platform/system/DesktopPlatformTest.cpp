// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "ShellTestSupport.h"
#include "platform/desktop/CAutorun.h"
#include "platform/system/CDatabaseLock.h"
#include "platform/system/CQtSettingsStore.h"
#include "platform/system/PrivateFolder.h"
#include "platform/system/ProgramFolder.h"
#include "report/OutputFile.h"

namespace {

QString ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

constexpr uid_t kNobody = 65534;

// Root may write into any folder, so as root the check runs in a child process that has
// become an ordinary user; the folders it uses are handed to that user first.
bool AsOrdinaryUser(const QStringList& folders, const std::function<bool()>& check) {
    if (geteuid() != 0) {
        return check();
    }
    for (const QString& folder : folders) {
        if (chown(QFile::encodeName(folder).constData(), kNobody, kNobody) != 0) {
            return false;
        }
    }
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

class DesktopPlatformTest : public ShellTest {};

TEST_F(DesktopPlatformTest, AutorunOnWritesTheExecutableOffHidesTheEntry) {
    const CAutorun autorun(QStringLiteral("Hourglint"), QStringLiteral("/opt/hg/hourglint"));
    EXPECT_EQ(autorun.EntryPath(), AutostartFile());
    ASSERT_TRUE(autorun.Set(true));
    QString text = ReadAll(AutostartFile());
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nExec=\"/opt/hg/hourglint\"\n"));
    EXPECT_TRUE(text.contains("\nName=Hourglint\n"));
    EXPECT_FALSE(text.contains("Hidden=true"));

    ASSERT_TRUE(autorun.Set(false));
    text = ReadAll(AutostartFile());
    EXPECT_TRUE(text.contains("\nHidden=true\n"));
}

TEST_F(DesktopPlatformTest, ExecValueEscapesWhatDesktopEntriesReserve) {
    EXPECT_EQ(CAutorun::ExecValue("/a b/hourglint"), "\"/a b/hourglint\"");
    // " ` $ \ take a backslash inside quotes, and the string escape doubles backslashes.
    EXPECT_EQ(CAutorun::ExecValue("/x\"y"), "\"/x\\\\\"y\"");
    EXPECT_EQ(CAutorun::ExecValue("/x$y`z"), "\"/x\\\\$y\\\\`z\"");
    EXPECT_EQ(CAutorun::ExecValue("/x\\y"), "\"/x\\\\\\\\y\"");
    EXPECT_EQ(CAutorun::ExecValue("/100%/hg"), "\"/100%%/hg\"");
    EXPECT_EQ(CAutorun::ExecValue("/a\nb\tc\rd"), "\"/a\\nb\\tc\\rd\"");
    // Read back, each names the program again.
    for (const char* path :
         {"/a b/hourglint", "/x\"y", "/x$y`z", "/x\\y", "/100%/hg", "/a\nb\tc\rd"}) {
        EXPECT_EQ(CAutorun::ExecProgram(CAutorun::ExecValue(path)), path);
    }
}

TEST_F(DesktopPlatformTest, AutorunFailsQuietlyWhenTheFolderCannotBeMade) {
    // A file where the autostart folder should be.
    const QString folder = QFileInfo(AutostartFile()).absolutePath();
    QDir(folder).removeRecursively();
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(CAutorun(QStringLiteral("Hourglint"), QStringLiteral("/x")).Set(true));
    QFile::remove(folder);
}

TEST_F(DesktopPlatformTest, UnusableExecutableFolderFallsBackToAppData) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    EXPECT_EQ(ProgramFolderFor(QStringLiteral("/nonexistent/hourglint/bin")),
              data.toStdString() + "/");
    EXPECT_EQ(ProgramFolderFor(QString()), data.toStdString() + "/");
    // Only the running program makes the folder (PrepareProgramFolder); a report names it.
    EXPECT_FALSE(QFileInfo::exists(data));
}

// The folder beside the program only when this user can read and write the database there,
// or create one where there is none; checked as an ordinary user, as root may do anything.
TEST_F(DesktopPlatformTest, DatabaseBesideTheExecutableOnlyWhenThisUserCanUseIt) {
    const struct {
        const char* name;
        int databaseMode;  // -1: no database
        bool othersDatabase;
        bool folderWritable;
        bool beside;
    } cases[] = {
        {"no database, writable folder", -1, false, true, true},
        {"no database, read-only folder", -1, false, false, false},
        {"own database in a read-only folder", 0600, false, false, true},
        {"own database, read only", 0400, false, true, false},
        {"another user's database (0600)", 0600, true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir exeDir;
        QTemporaryDir dataHome;
        ASSERT_TRUE(exeDir.isValid() && dataHome.isValid());
        QStringList owned{exeDir.path(), dataHome.path()};
        const QString database = exeDir.filePath(QStringLiteral("HG.mdb"));
        if (c.databaseMode >= 0) {
            QFile file(database);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            // Not root: the file is ours whatever we do, so "another user's" is one we
            // cannot read.
            const bool otherUser = c.othersDatabase && geteuid() == 0;
            ASSERT_EQ(chmod(QFile::encodeName(database).constData(),
                            c.othersDatabase && !otherUser ? 0 : c.databaseMode),
                      0);
            if (!c.othersDatabase) {
                owned.append(database);
            }
        }
        ASSERT_TRUE(QFile::setPermissions(
            exeDir.path(), QFile::ReadOwner | QFile::ExeOwner |
                               (c.folderWritable ? QFile::WriteOwner : QFile::Permissions())));
        EXPECT_TRUE(AsOrdinaryUser(owned, [&] {
            qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
            const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
            const QString expected = c.beside ? exeDir.path() : data;
            return ProgramFolderFor(exeDir.path()) == expected.toStdString() + "/";
        }));
        QFile::setPermissions(exeDir.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// The runtime fallback must be the user's alone; anything else is named, never used.
TEST_F(DesktopPlatformTest, PrivateFolderIsMadeOrRefusedWithAMessage) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const uid_t me = geteuid();
    const std::string base = QFile::encodeName(root.path()).toStdString();
    const struct {
        const char* name;
        int mode;  // -1: missing; -2: a file; -3: a symlink to a private folder
        uid_t owner;
        const char* problem;  // empty: usable
    } cases[] = {
        {"missing", -1, me, ""},
        {"private", 0700, me, ""},
        {"open to others", 0755, me, "its mode is 0755"},
        {"group writable", 0770, me, "its mode is 0770"},
        {"another user's", 0700, me + 1, "belongs to user"},
        {"a file", -2, me, "is not a folder"},
        {"a symlink", -3, me, "is not a folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = base + "/" + c.name;
        if (c.mode >= 0) {
            ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
            ASSERT_EQ(chmod(folder.c_str(), c.mode), 0);
        } else if (c.mode == -2) {
            QFile file(QString::fromStdString(folder));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        } else if (c.mode == -3) {
            ASSERT_EQ(mkdir((folder + ".target").c_str(), 0700), 0);
            ASSERT_EQ(symlink((folder + ".target").c_str(), folder.c_str()), 0);
        }
        const std::string problem = MakePrivateFolder(folder, c.owner);
        if (*c.problem == '\0') {
            EXPECT_EQ(problem, "");
            struct stat info {};
            ASSERT_EQ(lstat(folder.c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 0777, 0700u);
        } else {
            EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
            EXPECT_NE(problem.find(folder), std::string::npos) << problem;
        }
    }
    // The data folder and each parent it makes are the user's alone.
    ASSERT_EQ(MakeFolderPath(base + "/data/Hourglint/Hourglint"), "");
    EXPECT_EQ(PrivateFolderProblem(base + "/data", me), "");
    EXPECT_EQ(PrivateFolderProblem(base + "/data/Hourglint/Hourglint", me), "");
}

TEST_F(DesktopPlatformTest, OneDatabaseLockAtATimeNamingTheHolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string database = QFile::encodeName(dir.filePath("HG.mdb")).toStdString();
    auto first = std::make_unique<CDatabaseLock>(database);
    CDatabaseLock second(database);
    ASSERT_TRUE(first->Acquire());
    struct stat info {};
    ASSERT_EQ(stat((database + ".lock").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // Another open of the file is another holder, as another process would be.
    EXPECT_FALSE(second.Acquire());
    EXPECT_EQ(second.HolderPid(), getpid());
    EXPECT_NE(second.Problem().find(database), std::string::npos);
    EXPECT_NE(second.Problem().find("process " + std::to_string(getpid())), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(database)));
    first.reset();
    EXPECT_TRUE(second.Acquire());
}

TEST_F(DesktopPlatformTest, InstalledProgramKeepsItsDataWithTheUserUnlessItsFolderHasOne) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(prefix.filePath("share/applications")));
    QFile entry(prefix.filePath("share/applications/org.hourglint.Hourglint.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.close();
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    EXPECT_EQ(ProgramFolderFor(bin), data.toStdString() + "/");
    QFile db(QDir(bin).filePath("HG.mdb"));
    ASSERT_TRUE(db.open(QIODevice::WriteOnly));
    db.close();
    EXPECT_EQ(ProgramFolderFor(bin), bin.toStdString() + "/");
}

TEST_F(DesktopPlatformTest, FilesAreReplacedAllOrNone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string chart = dir.filePath("r.jpg").toStdString();
    const std::string page = dir.filePath("r.htm").toStdString();
    ASSERT_TRUE(QDir().mkdir(dir.filePath("folder")));
    std::string error;
    ASSERT_TRUE(ReplaceFiles({{chart, "old"}}, error)) << error;
    // The second cannot be written: the first keeps its old bytes, no temporary is left.
    for (const std::string& second :
         {dir.filePath("missing/r.htm").toStdString(), dir.filePath("folder").toStdString()}) {
        EXPECT_FALSE(ReplaceFiles({{chart, "new"}, {second, "page"}}, error));
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({"folder", "r.jpg"}));
    }
    ASSERT_TRUE(ReplaceFiles({{chart, "new"}, {page, "page"}}, error)) << error;
    QFile file(QString::fromStdString(chart));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new");
}

TEST_F(DesktopPlatformTest, SettingsStoreUsesTheConfigGroup) {
    CQtSettingsStore store;
    EXPECT_EQ(store.FileName(), SettingsFile());
    EXPECT_FALSE(store.ReadInt("iAutoSave").has_value());
    store.WriteInt("iAutoSave", 25);
    EXPECT_EQ(CQtSettingsStore().ReadInt("iAutoSave"), 25);
    {
        QSettings file(SettingsFile(), QSettings::IniFormat);
        EXPECT_EQ(file.value("Config/iAutoSave").toInt(), 25);
        file.setValue("Config/iALPHA", "lots");  // a hand edit
    }
    EXPECT_FALSE(CQtSettingsStore().ReadInt("iALPHA").has_value());
}

}  // namespace
