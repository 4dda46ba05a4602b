// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CAppSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "FakeSettingsStore.h"
#include "core/IntegerField.h"

namespace {

class RecordingEffects : public ISettingsEffects {
  public:
    explicit RecordingEffects(std::vector<std::string>& log) : log_(log) {}
    void SetAutorun(bool enable) override {
        entry_ = enable;
        log_.push_back(enable ? "autorun on" : "autorun off");
    }
    bool AutorunEnabled() const override { return entry_; }
    void ApplyOpacity(uint8_t alpha) override { log_.push_back("alpha " + std::to_string(alpha)); }

  private:
    std::vector<std::string>& log_;
    bool entry_ = true;
};

// Logs writes into the same sequence as the effects, to check the order of both.
class LoggingStore : public FakeSettingsStore {
  public:
    explicit LoggingStore(std::vector<std::string>& log) : log_(log) {}
    void WriteInt(const std::string& name, long long value) override {
        FakeSettingsStore::WriteInt(name, value);
        log_.push_back(name + "=" + std::to_string(value));
    }

  private:
    std::vector<std::string>& log_;
};

const SettingsValues kDefaults{true, false, true, 10, 200, 120, false, 5};

TEST(CAppSettingsTest, DefaultsBeforeAndWithoutStoredValues) {
    CAppSettings settings;
    EXPECT_EQ(settings.Defaults(), kDefaults);
    EXPECT_EQ(settings.Values(), kDefaults);
    FakeSettingsStore empty;
    settings.Load(empty);
    EXPECT_EQ(settings.Values(), kDefaults);
    EXPECT_TRUE(empty.writes.empty());  // loading never writes
}

TEST(CAppSettingsTest, LoadTakesStoredValuesAsTheyAre) {
    FakeSettingsStore store;
    store.values = {{"bRunOnWindowsStartup", 0}, {"bMinimizeOnStartup", 7},
                    {"bLoadDbOnStartup", -1},    {"iAutoSave", 3},
                    {"iALPHA", 0x1FF},           {"iAlarmForMinutes", 2000},
                    {"bPauseWhenIdle", 2},       {"iIdleMinutes", 0},
                    {"bAlarmNotify", 0}};
    CAppSettings settings;
    settings.Load(store);
    EXPECT_FALSE(settings.Values().bRunOnWindowsStartup);
    EXPECT_TRUE(settings.Values().bMinimizeOnStartup);
    EXPECT_TRUE(settings.Values().bLoadDbOnStartup);
    EXPECT_EQ(settings.Values().iAutoSave, 3);  // no range test outside the dialog
    EXPECT_EQ(settings.Values().iALPHA, 255);
    EXPECT_EQ(settings.Values().iAlarmForMinutes, 2000);
    EXPECT_TRUE(settings.Values().bPauseWhenIdle);
    EXPECT_EQ(settings.IdleMinutes(), 5);  // a hand-edited 0 would pause at once
    EXPECT_FALSE(settings.Values().bAlarmNotify);
    EXPECT_EQ(settings.Defaults(), kDefaults);

    store.values = {{"iALPHA", 300}, {"iAutoSave", 5000000000LL}};
    settings.Load(store);
    EXPECT_EQ(settings.Values().iALPHA, 44);
    EXPECT_EQ(settings.Values().iAutoSave, 2147483647);   // held at the int limit, no wrap
    EXPECT_TRUE(settings.Values().bRunOnWindowsStartup);  // missing again: default
}

TEST(CAppSettingsTest, AlarmStepNeverZeroOrNegative) {
    CAppSettings settings;
    FakeSettingsStore store;
    for (long long stored : {0LL, -30LL}) {
        store.values["iAlarmForMinutes"] = stored;
        settings.Load(store);
        EXPECT_EQ(settings.Values().iAlarmForMinutes, stored);
        EXPECT_EQ(settings.AlarmStepMinutes(), 120);
    }
    store.values["iAlarmForMinutes"] = 5;
    settings.Load(store);
    EXPECT_EQ(settings.AlarmStepMinutes(), 5);
}

TEST(CAppSettingsTest, ApplyWithoutChangesRewritesEveryValueOnly) {
    std::vector<std::string> log;
    RecordingEffects effects(log);
    LoggingStore store(log);
    CAppSettings settings;
    settings.Load(store);
    settings.Apply(settings.Values(), effects, store);
    EXPECT_EQ(log, (std::vector<std::string>{"bRunOnWindowsStartup=1", "bMinimizeOnStartup=0",
                                             "bLoadDbOnStartup=1", "iAutoSave=10", "iALPHA=200",
                                             "iAlarmForMinutes=120", "bPauseWhenIdle=0",
                                             "iIdleMinutes=5", "bAlarmNotify=1"}));
}

TEST(CAppSettingsTest, ApplyRunsChangedEffectsFirstThenStoresAndWrites) {
    std::vector<std::string> log;
    RecordingEffects effects(log);
    LoggingStore store(log);
    CAppSettings settings;
    const SettingsValues edited{false, true, false, 30, 63, 15, true, 120, false};
    settings.Apply(edited, effects, store);
    EXPECT_EQ(log, (std::vector<std::string>{
                       "autorun off", "alpha 63", "bRunOnWindowsStartup=0", "bMinimizeOnStartup=1",
                       "bLoadDbOnStartup=0", "iAutoSave=30", "iALPHA=63", "iAlarmForMinutes=15",
                       "bPauseWhenIdle=1", "iIdleMinutes=120", "bAlarmNotify=0"}));
    EXPECT_EQ(settings.Values(), edited);

    log.clear();
    SettingsValues again = edited;
    again.iALPHA = 255;
    settings.Apply(again, effects, store);
    EXPECT_EQ(log.front(), "alpha 255");  // autorun unchanged: not touched
    EXPECT_EQ(log.size(), 10u);
}

TEST(CAppSettingsTest, ProgramFolderGivesTheDatabasePath) {
    CAppSettings settings;
    settings.SetProgramFolder("/opt/hourglint/");
    EXPECT_EQ(settings.ProgramFolder(), "/opt/hourglint/");
    EXPECT_EQ(settings.DatabasePath(), "/opt/hourglint/HG.mdb");
    settings.SetProgramFolder("/opt/hg");
    EXPECT_EQ(settings.ProgramFolder(), "/opt/hg/");
    EXPECT_EQ(settings.DatabasePath(), "/opt/hg/HG.mdb");
    EXPECT_EQ(&TheSettings(), &TheSettings());
}

TEST(ParseIntegerFieldTest, AcceptsIntegersInRange) {
    std::string message = "stale";
    EXPECT_EQ(ParseIntegerField("10", 5, 60, message), 10);
    EXPECT_EQ(message, "");
    EXPECT_EQ(ParseIntegerField("5", 5, 60, message), 5);
    EXPECT_EQ(ParseIntegerField("60", 5, 60, message), 60);
    EXPECT_EQ(ParseIntegerField(" 7\t", 5, 60, message), 7);
    EXPECT_EQ(ParseIntegerField("+8", 5, 60, message), 8);
    EXPECT_EQ(ParseIntegerField("0010", 5, 60, message), 10);
}

TEST(ParseIntegerFieldTest, RejectsWithTheDialogTexts) {
    const std::string notInteger = "Please enter an integer.";
    for (const char* text :
         {"", "   ", "abc", "12a", "1 2", "1.5", "+", "-", "+-5", "99999999999", "-99999999999"}) {
        std::string message;
        EXPECT_FALSE(ParseIntegerField(text, 5, 60, message)) << text;
        EXPECT_EQ(message, notInteger) << text;
    }
    std::string message;
    EXPECT_FALSE(ParseIntegerField("4", 5, 60, message));
    EXPECT_EQ(message, "Please enter an integer between 5 and 60.");
    EXPECT_FALSE(ParseIntegerField("61", 5, 60, message));
    EXPECT_EQ(message, "Please enter an integer between 5 and 60.");
    EXPECT_FALSE(ParseIntegerField("-3", 5, 1440, message));
    EXPECT_EQ(message, "Please enter an integer between 5 and 1440.");
    EXPECT_FALSE(ParseIntegerField("1441", 5, 1440, message));
    EXPECT_EQ(message, "Please enter an integer between 5 and 1440.");
}

}  // namespace
