// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "ShellTestSupport.h"
#include "core/CAppSettings.h"
#include "platform/system/CQtSettingsStore.h"
#include "shell/CConfigDlg.h"
#include "shell/CDesktopEffects.h"

namespace {

// Runs Edit() and drives the open dialog with act, which must close it.
bool EditWith(CAppSettings& settings, ISettingsEffects& effects, ISettingsStore& store,
              const std::function<void(CConfigDlg&)>& act) {
    bool acted = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CConfigDlg*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no Options dialog open";
            return;
        }
        acted = true;
        act(*dialog);
    });
    const bool applied = CConfigDlg::Edit(settings, effects, store, nullptr);
    EXPECT_TRUE(acted);
    return applied;
}

// The controls as a fresh installation or "Load Default" shows them.
void ExpectDefaultsShown(CConfigDlg& dialog) {
    EXPECT_TRUE(dialog.RunOnStartupBox().isChecked());
    EXPECT_FALSE(dialog.MinimizeBox().isChecked());
    EXPECT_TRUE(dialog.LoadDbBox().isChecked());
    EXPECT_EQ(dialog.AutoSaveEdit().text(), "10");
    EXPECT_EQ(dialog.AlphaSlider().value(), 200);
    EXPECT_EQ(dialog.AlarmEdit().text(), "120");
    EXPECT_FALSE(dialog.PauseWhenIdleBox().isChecked());
    EXPECT_EQ(dialog.IdleMinutesEdit().text(), "5");
    EXPECT_TRUE(dialog.AlarmNotifyBox().isChecked());
}

class ConfigDlgTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        window_.setWindowOpacity(0.5);
        opacity_ = window_.windowOpacity();  // as Qt keeps it, in 8 bits
    }

    QWidget window_;
    double opacity_ = 0;
    CDesktopEffects effects_{
        window_, CAutorun(QStringLiteral("Hourglint"), QStringLiteral("/opt/hourglint/hourglint"))};
};

TEST_F(ConfigDlgTest, FreshSettingsShowTheDefaults) {
    CAppSettings settings;
    MemorySettingsStore none;
    settings.Load(none);
    CConfigDlg dialog(settings.Values(), settings.Defaults());
    EXPECT_EQ(dialog.windowTitle(), "Options");
    ExpectDefaultsShown(dialog);
    EXPECT_EQ(dialog.AlphaSlider().minimum(), 63);
    EXPECT_EQ(dialog.AlphaSlider().maximum(), 255);
    EXPECT_EQ(dialog.AlphaSlider().tickInterval(), 64);
    EXPECT_EQ(dialog.AlphaSlider().tickPosition(), QSlider::TicksAbove);
    EXPECT_TRUE(dialog.OkButton().isDefault());
    // At least the described 295 units wide; where the screen has room, the whole page shows.
    EXPECT_GE(dialog.width(), 443);
    dialog.show();
    EXPECT_EQ(dialog.findChild<QScrollArea*>()->verticalScrollBar()->maximum(), 0);
}

TEST_F(ConfigDlgTest, EditsTakeDigitsOnlyButMayBeEmptied) {
    CConfigDlg dialog(SettingsValues{}, SettingsValues{});
    QLineEdit& edit = dialog.AutoSaveEdit();
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("1a-2 +3"));
    EXPECT_EQ(edit.text(), "123");
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "");
}

TEST_F(ConfigDlgTest, OutOfRangeSaveIntervalKeepsTheDialogOpen) {
    CConfigDlg dialog(SettingsValues{}, SettingsValues{});
    dialog.show();
    dialog.AutoSaveEdit().setText(QStringLiteral("4"));
    dialog.AlarmEdit().clear();  // later in the exchange order: must not be reported
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Please enter an integer between 5 and 60.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.focusWidget(), &dialog.AutoSaveEdit());
    EXPECT_EQ(dialog.AutoSaveEdit().selectedText(), "4");
}

TEST_F(ConfigDlgTest, EmptyAlarmFieldIsNotAnInteger) {
    CConfigDlg dialog(SettingsValues{}, SettingsValues{});
    dialog.show();
    dialog.AlarmEdit().clear();
    dialog.accept();
    EXPECT_EQ(messages_, std::vector<std::string>{"Please enter an integer."});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), &dialog.AlarmEdit());
}

TEST_F(ConfigDlgTest, StoredValuesOutsideTheRangesShowAsStored) {
    MemorySettingsStore stored;
    stored.values = {{"iAutoSave", 3}, {"iALPHA", 10}};
    CAppSettings settings;
    settings.Load(stored);
    stored.writes.clear();
    bool applied = EditWith(settings, effects_, stored, [&](CConfigDlg& dialog) {
        EXPECT_EQ(dialog.AutoSaveEdit().text(), "3");
        EXPECT_EQ(dialog.AlphaSlider().value(), 63);  // the trackbar cannot go lower
        dialog.accept();
        EXPECT_EQ(messages_, std::vector<std::string>{"Please enter an integer between 5 and 60."});
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    EXPECT_FALSE(applied);
    EXPECT_TRUE(stored.writes.empty());
    EXPECT_EQ(settings.Values().iAutoSave, 3);
}

// The idle minutes are checked last, like the alarm step before them, whether the box is
// ticked or not.
struct IdleEntry {
    const char* text;
    bool ticked;
    const char* message;  // empty: accepted
};

class IdleMinutesTest : public ConfigDlgTest, public ::testing::WithParamInterface<IdleEntry> {};

TEST_P(IdleMinutesTest, CheckedOnOk) {
    const IdleEntry& entry = GetParam();
    CConfigDlg dialog(SettingsValues{}, SettingsValues{});
    dialog.show();
    EXPECT_EQ(dialog.PauseWhenIdleBox().text(), "Stop counting after");
    dialog.PauseWhenIdleBox().setChecked(entry.ticked);
    dialog.IdleMinutesEdit().setText(QString::fromLatin1(entry.text));
    dialog.accept();
    if (*entry.message != '\0') {
        EXPECT_EQ(messages_, std::vector<std::string>{entry.message});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), &dialog.IdleMinutesEdit());
    } else {
        EXPECT_TRUE(messages_.empty());
        EXPECT_EQ(dialog.Values().bPauseWhenIdle, entry.ticked);
        EXPECT_EQ(dialog.Values().iIdleMinutes, std::atoi(entry.text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, IdleMinutesTest,
    ::testing::Values(IdleEntry{"0", true, "Please enter an integer between 1 and 120."},
                      IdleEntry{"121", false, "Please enter an integer between 1 and 120."},
                      IdleEntry{"", true, "Please enter an integer."}, IdleEntry{"1", true, ""},
                      IdleEntry{"120", false, ""}));

TEST_F(ConfigDlgTest, OkWithoutChangesRewritesEveryValueAndTouchesNothingElse) {
    CQtSettingsStore store;
    CAppSettings settings;
    settings.Load(store);
    ASSERT_FALSE(QFile::exists(SettingsFile()));
    const bool applied =
        EditWith(settings, effects_, store, [](CConfigDlg& dialog) { dialog.accept(); });
    EXPECT_TRUE(applied);
    EXPECT_TRUE(messages_.empty());

    QSettings file(SettingsFile(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("Config"));
    EXPECT_EQ(file.childKeys().size(), 9);
    // No autostart entry: the box shows it off, so OK stores off and writes no entry.
    EXPECT_EQ(file.value("bRunOnWindowsStartup").toInt(), 0);
    EXPECT_EQ(file.value("bMinimizeOnStartup").toInt(), 0);
    EXPECT_EQ(file.value("bLoadDbOnStartup").toInt(), 1);
    EXPECT_EQ(file.value("iAutoSave").toInt(), 10);
    EXPECT_EQ(file.value("iALPHA").toInt(), 200);
    EXPECT_EQ(file.value("iAlarmForMinutes").toInt(), 120);
    EXPECT_EQ(file.value("bPauseWhenIdle").toInt(), 0);
    EXPECT_EQ(file.value("iIdleMinutes").toInt(), 5);
    EXPECT_EQ(file.value("bAlarmNotify").toInt(), 1);
    EXPECT_FALSE(QFile::exists(AutostartFile()));
    EXPECT_DOUBLE_EQ(window_.windowOpacity(), opacity_);
}

TEST_F(ConfigDlgTest, ChangesApplyAutorunAndOpacityAtOnce) {
    CQtSettingsStore store;
    CAppSettings settings;
    settings.Load(store);
    EditWith(settings, effects_, store, [](CConfigDlg& dialog) {
        dialog.RunOnStartupBox().setChecked(true);
        dialog.AlphaSlider().setValue(255);
        dialog.MinimizeBox().setChecked(true);
        dialog.AlarmEdit().setText(QStringLiteral("5"));
        dialog.accept();
    });
    EXPECT_NEAR(window_.windowOpacity(), 1.0, 0.01);
    EXPECT_TRUE(effects_.AutorunEnabled());
    EXPECT_TRUE(settings.Values().bRunOnWindowsStartup);
    EXPECT_TRUE(settings.Values().bMinimizeOnStartup);
    EXPECT_EQ(settings.Values().iAlarmForMinutes, 5);

    CAppSettings reloaded;
    reloaded.Load(CQtSettingsStore());
    EXPECT_EQ(reloaded.Values(), settings.Values());
}

TEST_F(ConfigDlgTest, LoadDefaultThenCancelChangesNothing) {
    MemorySettingsStore stored;
    stored.values = {
        {"bRunOnWindowsStartup", 0}, {"bMinimizeOnStartup", 1}, {"bLoadDbOnStartup", 0},
        {"iAutoSave", 30},           {"iALPHA", 100},           {"iAlarmForMinutes", 15}};
    CAppSettings settings;
    settings.Load(stored);
    const SettingsValues before = settings.Values();
    stored.writes.clear();
    const bool applied = EditWith(settings, effects_, stored, [](CConfigDlg& dialog) {
        EXPECT_EQ(dialog.AutoSaveEdit().text(), "30");
        QTest::mouseClick(&dialog.LoadDefaultButton(), Qt::LeftButton);
        ExpectDefaultsShown(dialog);
        QTest::mouseClick(&dialog.CancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(applied);
    EXPECT_EQ(settings.Values(), before);
    EXPECT_TRUE(stored.writes.empty());
    EXPECT_FALSE(QFile::exists(AutostartFile()));
    EXPECT_DOUBLE_EQ(window_.windowOpacity(), opacity_);
}

// Whatever the stored value says (on, here), the box shows what logging on will do, and an
// OK that only moves the slider leaves the entry as it was.
TEST_F(ConfigDlgTest, AutorunBoxShowsTheEntryAndOkLeavesItAlone) {
    const struct {
        const char* entry;  // nullptr: no entry
        bool shown;
    } cases[] = {
        {nullptr, false},
        {"Exec=\"/opt/hourglint/hourglint\"\nHidden=true\n", false},
        {"Exec=\"/usr/bin/other\"\n", false},
        {"Exec=\"/opt/hourglint/hourglint\"\nX-GNOME-Autostart-enabled=true\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry ? c.entry : "no entry");
        QFile::remove(AutostartFile());
        QByteArray before;
        if (c.entry != nullptr) {
            before = QByteArray("[Desktop Entry]\nType=Application\n") + c.entry;
            QFile file(AutostartFile());
            ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        MemorySettingsStore stored;
        stored.values = {{"bRunOnWindowsStartup", 1}};
        CAppSettings settings;
        settings.Load(stored);
        EditWith(settings, effects_, stored, [&](CConfigDlg& dialog) {
            EXPECT_EQ(dialog.RunOnStartupBox().isChecked(), c.shown);
            dialog.AlphaSlider().setValue(100);
            dialog.accept();
        });
        QFile after(AutostartFile());
        EXPECT_EQ(after.open(QIODevice::ReadOnly) ? after.readAll() : QByteArray(), before);
        EXPECT_EQ(settings.Values().bRunOnWindowsStartup, c.shown);
    }
}

}  // namespace
