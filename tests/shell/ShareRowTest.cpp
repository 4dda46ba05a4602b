// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>

#include "ShellTestSupport.h"
#include "core/CAppSettings.h"
#include "core/CShareSettings.h"
#include "db/CUsageDb.h"
#include "platform/system/CQtSettingsStore.h"
#include "shell/CConfigDlg.h"
#include "shell/CDesktopEffects.h"
#include "shell/CShareRow.h"
#include "shell/CShareSnapshots.h"

namespace {

class ShareRowTest : public ShellTest {
  protected:
    QWidget window_;
    CDesktopEffects effects_{
        window_, CAutorun(QStringLiteral("Hourglint"), QStringLiteral("/opt/hourglint/hourglint"))};
};

}  // namespace

TEST_F(ShareRowTest, AMissingFolderKeepsTheDialogOpenAndAGoodOneIsStoredWithAnId) {
    QDir::home().mkpath(QStringLiteral("Sync"));
    const QString folder = QDir::home().filePath(QStringLiteral("Sync"));
    CQtSettingsStore store;
    CAppSettings settings;
    bool acted = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CConfigDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        acted = true;
        dialog->ShareRow().FolderEdit().setText(folder + QStringLiteral("/missing"));
        dialog->accept();
        EXPECT_EQ(messages_.size(), 1u);
        EXPECT_TRUE(dialog->isVisible());
        dialog->ShareRow().FolderEdit().setText(folder);
        dialog->ShareRow().NameEdit().setText(QStringLiteral("my/desk"));
        dialog->accept();
    });
    EXPECT_TRUE(CConfigDlg::Edit(settings, effects_, store, nullptr));
    EXPECT_TRUE(acted);
    QSettings file(store.FileName(), QSettings::IniFormat);
    EXPECT_EQ(file.value("Config/szShareFolder").toString(), folder);
    EXPECT_EQ(file.value("Config/szComputerId").toString().size(), 32);
    EXPECT_EQ(TheShareSettings().SnapshotFileName().rfind("my_desk-", 0), 0u);
    TheShareSettings().Apply("", "", store);
}

TEST_F(ShareRowTest, AFolderThatCannotBeWrittenIsSaidOnceAndAGoodOneGetsTheSnapshot) {
    const QString database = QDir::home().filePath(QStringLiteral("HG.mdb"));
    CUsageDb(database.toStdString()).LoadDb(0, 1);
    CQtSettingsStore store;
    CShareSettings share;
    share.Apply(QDir::home().filePath(QStringLiteral("gone")).toStdString(), "desk", store);
    CShareSnapshots snapshots(database.toStdString(), share, store);
    std::vector<CSnapshotWriter::Status> results;
    QEventLoop loop;
    QObject::connect(&snapshots, &CShareSnapshots::Finished, &loop,
                     [&](const CSnapshotWriter::Result& result) {
                         results.push_back(result.status);
                         loop.quit();
                     });
    for (int i = 0; i < 2; ++i) {
        snapshots.WriteNow();  // as the hourly timer does
        loop.exec();
    }
    EXPECT_EQ(messages_.size(), 1u);
    QDir::home().mkpath(QStringLiteral("gone"));
    snapshots.WriteAtExit();
    EXPECT_EQ(results, (std::vector<CSnapshotWriter::Status>{CSnapshotWriter::Status::FolderFailed,
                                                             CSnapshotWriter::Status::FolderFailed,
                                                             CSnapshotWriter::Status::Written}));
    EXPECT_TRUE(
        QFile::exists(QString::fromStdString(share.Folder() + "/" + share.SnapshotFileName())));
}
