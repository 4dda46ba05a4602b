// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "FakeClock.h"
#include "FakeClockLabel.h"
#include "FakeListControl.h"
#include "FakeSampler.h"
#include "FakeSettingsStore.h"
#include "core/CUsageTracker.h"
#include "core/IPresence.h"
#include "db/CUsageDb.h"

namespace {

// Input comes half a second before the tick it is given with.
class ScriptedPresence : public IPresence {
  public:
    bool Locked() override { return locked; }
    int64_t IdleMs() override { return (clock->now - lastInput) * 1000 + 500; }
    FakeClock* clock = nullptr;
    int64_t lastInput = 0;
    bool locked = false;
};

// One character a second: a letter is the program in front ("a", "b"), upper case with
// input in that second; '#' is a locked second.
struct AwayCase {
    const char* name;
    bool pauseWhenIdle;
    int64_t start;
    std::string script;
    std::map<std::string, int> live;  // the live list's totals at the end
    std::vector<std::string> stored;  // name|hour|seconds
    int stretchTexts;                 // clock label updates: one per credited second
    int alarms;
};

constexpr int kIdleSeconds = 3;
const int64_t kMorning = LocalInstant(2026, 12, 8, 10, 0, 0);
const int64_t kBeforeEleven = LocalInstant(2026, 12, 8, 10, 59, 54);
const int64_t kBeforeMidnight = LocalInstant(2026, 12, 8, 23, 59, 56);

// clang-format off
const AwayCase kCases[] = {
    {"PauseOffCountsEverySecond", false, kMorning, "AAbbbbbb",
     {{"a", 2}, {"b", 6}}, {"a|10|2", "b|10|6"}, 8, 0},
    // idle 3 s at the seventh tick: the two seconds of b after the input go back
    {"IdlePastTheLimitTakesBackSinceTheLastInput", true, kMorning, "AAaBbbbbb",
     {{"a", 3}, {"b", 1}}, {"a|10|3", "b|10|1"}, 6, 0},
    // b was first seen while nobody was there: gone from the list
    {"ProgramSeenOnlyWhileAwayLeavesNoRow", true, kMorning, "AAbbbb",
     {{"a", 2}}, {"a|10|2"}, 4, 0},
    {"InputAgainCountsFromThatSecond", true, kMorning, "AAaaaaBBb",
     {{"a", 2}, {"b", 3}}, {"a|10|2", "b|10|3"}, 7, 0},
    // b's 10:59:59 (flushed then) and 11:00:00 (pending) go back
    {"TakeBackAcrossAnHourAndAFlush", true, kBeforeEleven, "AaaBbbbbbbb",
     {{"a", 3}, {"b", 1}}, {"a|10|3", "b|10|1"}, 6, 0},
    {"LockAndUnlock", false, kMorning, "AA###bBb",
     {{"a", 2}, {"b", 3}}, {"a|10|2", "b|10|3"}, 5, 0},
    // three seconds of the old day, nothing while locked, then the new day from nothing
    {"LockAcrossMidnight", false, kBeforeMidnight, "AAA######BB",
     {{"b", 2}}, {"a|23|3", "b|0|2"}, 5, 0},
    // 60 s reached twice: the second time, after a take-back, rings no alarm
    {"AlarmAfterATakeBackDoesNotRepeat", true, kMorning, std::string(58, 'A') + "aaaaAAAA",
     {{"a", 62}}, {"a|10|62"}, 64, 1},
};
// clang-format on

void PrintTo(const AwayCase& c, std::ostream* os) {
    *os << c.name;
}

class AwayTime : public DbTest, public ::testing::WithParamInterface<AwayCase> {};

TEST_P(AwayTime, CreditsOnlyPresentSeconds) {
    const AwayCase& c = GetParam();
    FakeClock clock;
    FakeSampler sampler;
    FakeListControl live;
    FakeListControl alarms;
    FakeClockLabel label;
    ScriptedPresence presence;
    presence.clock = &clock;
    FakeSettingsStore config;
    config.values = {{"bPauseWhenIdle", c.pauseWhenIdle ? 1 : 0}, {"iAlarmForMinutes", 1}};
    settings_.Load(config);
    CUsageDb db(path_, settings_);
    CUsageTracker tracker(settings_, clock, sampler, db);
    tracker.Attach(&live, &alarms, &label, nullptr);
    tracker.SetPresence(&presence, kIdleSeconds);
    clock.now = c.start;
    tracker.LoadToday();
    for (const char second : c.script) {
        clock.now += 1;
        presence.locked = second == '#';
        if (std::isupper(static_cast<unsigned char>(second)) != 0 || presence.locked) {
            presence.lastInput = clock.now;
        }
        if (!presence.locked) {
            const std::string program(1, static_cast<char>(std::tolower(second)));
            sampler.Set(program, "/bin/" + program);
        }
        tracker.Tick();
    }
    tracker.FlushNow();

    std::map<std::string, int> totals;
    for (const auto& record : tracker.Table()) totals[record->name] = record->seconds;
    EXPECT_EQ(totals, c.live);
    ASSERT_EQ(live.rows.size(), tracker.Table().Size());
    EXPECT_EQ(RawDb(path_).Rows("SELECT name, h, SUM(seconds) FROM ttime, titem WHERE "
                                "titem.id = itemid GROUP BY name, d, h ORDER BY name, d, h"),
              c.stored);
    EXPECT_EQ(label.texts.size(), static_cast<size_t>(c.stretchTexts));
    EXPECT_EQ(alarms.rows.size(), static_cast<size_t>(c.alarms));
    std::string barLabel, key;
    int icon = -1;
    // the live graph has nobody in front while away
    EXPECT_EQ(tracker.LiveInput().GetCurrent(barLabel, key, icon), !tracker.Paused());
    EXPECT_TRUE(db.Owed().empty());
    EXPECT_TRUE(messages_.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, AwayTime, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
