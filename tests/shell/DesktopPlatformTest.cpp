#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

#include "ShellTestSupport.h"
#include "platform/CAutorun.h"
#include "platform/CQtSettingsStore.h"
#include "platform/OutputFile.h"
#include "platform/ProgramFolder.h"

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

TEST_F(DesktopPlatformTest, DatabaseFolderIsBesideTheExecutableWhenUsable) {
    QTemporaryDir exeDir;
    ASSERT_TRUE(exeDir.isValid());
    EXPECT_EQ(ProgramFolderFor(exeDir.path()), exeDir.path().toStdString() + "/");
}

TEST_F(DesktopPlatformTest, UnusableExecutableFolderFallsBackToAppData) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A report names the folder without making it.
    EXPECT_EQ(ProgramFolderFor(QString(), false), data.toStdString() + "/");
    EXPECT_FALSE(QFileInfo::exists(data));
    EXPECT_EQ(ProgramFolderFor(QStringLiteral("/nonexistent/hourglint/bin")),
              data.toStdString() + "/");
    EXPECT_EQ(ProgramFolderFor(QString()), data.toStdString() + "/");
    EXPECT_TRUE(QFileInfo(data).isDir());
}

TEST_F(DesktopPlatformTest, ReadOnlyFolderWithoutDatabaseFallsBackToAppData) {
    QTemporaryDir exeDir;
    QTemporaryDir dataHome;
    ASSERT_TRUE(exeDir.isValid() && dataHome.isValid());
    ASSERT_TRUE(QFile::setPermissions(exeDir.path(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_TRUE(AsOrdinaryUser({exeDir.path(), dataHome.path()}, [&] {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
        const std::string folder = ProgramFolderFor(exeDir.path());
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        return data.startsWith(dataHome.path()) && folder == data.toStdString() + "/" &&
               QFileInfo(data).isDir();
    }));
    QFile::setPermissions(exeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(DesktopPlatformTest, ExistingDatabaseKeepsTheExecutableFolder) {
    QTemporaryDir exeDir;
    ASSERT_TRUE(exeDir.isValid());
    QFile db(exeDir.filePath("HG.mdb"));
    ASSERT_TRUE(db.open(QIODevice::WriteOnly));
    db.close();
    ASSERT_TRUE(QFile::setPermissions(exeDir.path(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_TRUE(AsOrdinaryUser({exeDir.path()}, [&] {
        return ProgramFolderFor(exeDir.path()) == exeDir.path().toStdString() + "/";
    }));
    QFile::setPermissions(exeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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
