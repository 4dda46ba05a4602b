#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>

#include "ShellTestSupport.h"
#include "core/CAppSettings.h"
#include "core/CShareSettings.h"
#include "platform/CQtSettingsStore.h"
#include "shell/CConfigDlg.h"
#include "shell/CDesktopEffects.h"
#include "shell/CShareRow.h"

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
