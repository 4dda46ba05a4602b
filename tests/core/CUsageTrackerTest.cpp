// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CUsageTracker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <iterator>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeClockLabel.h"
#include "FakeImageList.h"
#include "FakeListControl.h"
#include "FakeSampler.h"
#include "FakeSettingsStore.h"
#include "FakeUsageStore.h"
#include "LocalInstant.h"
#include "core/CAppSettings.h"
#include "core/Duration.h"

namespace {

std::vector<std::string> Names(const CUsageTable& table) {
    std::vector<std::string> names;
    for (const auto& record : table) names.push_back(record->name);
    return names;
}

class TrackerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
        clock.now = LocalInstant(2026, 12, 8, 10, 0, 0);
        tracker.Attach(&live, &alarms, &label, &images);
    }

    void Configure(const std::string& name, long long value) {
        config.values[name] = value;
        settings.Load(config);
    }

    // The first timer tick: the start-up load.
    void Start() { tracker.LoadToday(); }

    void Step(const std::string& name, const std::string& path = "",
              const std::string& title = "") {
        clock.now += 1;
        sampler.Set(name, path, title);
        tracker.Tick();
    }

    void StepFailed(const std::string& title = "") {
        clock.now += 1;
        sampler.Fail(title);
        tracker.Tick();
    }

    // Row i of the live list shows record i of the table.
    void ExpectListMatchesTable() {
        ASSERT_EQ(live.rows.size(), tracker.Table().Size());
        std::size_t i = 0;
        for (const auto& record : tracker.Table()) {
            EXPECT_EQ(live.rows[i].data, record.get()) << "row " << i;
            EXPECT_EQ(live.rows[i].cells[0], record->name) << "row " << i;
            ++i;
        }
    }

    CAppSettings settings;
    FakeSettingsStore config;
    FakeClock clock;
    FakeSampler sampler;
    FakeUsageStore store;
    FakeListControl live;
    FakeListControl alarms;
    FakeClockLabel label;
    FakeImageList images;
    CUsageTracker tracker{settings, clock, sampler, store};
};

TEST_F(TrackerTest, AttachSetsTheSharedImageListOnBothLists) {
    EXPECT_EQ(live.images, &images);
    EXPECT_EQ(alarms.images, &images);
}

TEST_F(TrackerTest, SameProgramTenTicksIsOneRecordWithAGrowingStretch) {
    Start();
    for (int i = 0; i < 10; ++i) Step("vim", "/usr/bin/vim", "notes.txt");

    ASSERT_EQ(tracker.Table().Size(), 1u);
    EXPECT_EQ(tracker.Table().Front()->seconds, 10);
    EXPECT_EQ(tracker.Current(), tracker.Table().Front());
    ExpectListMatchesTable();
    EXPECT_EQ(live.rows[0].cells[1], "notes.txt");
    EXPECT_EQ(live.rows[0].cells[2], "__:__:10");
    EXPECT_TRUE(live.deletedRows.empty());
    std::vector<std::string> expected;
    for (int i = 1; i <= 10; ++i) expected.push_back(FormatDuration(i));
    EXPECT_EQ(label.texts, expected);
}

TEST_F(TrackerTest, ProgramSwitchMovesRowToTheTopAndRestartsTheStretch) {
    Start();
    Step("a", "/bin/a", "A1");
    Step("a", "/bin/a", "A2");
    Step("b", "/bin/b", "B1");
    EXPECT_EQ(Names(tracker.Table()), (std::vector<std::string>{"b", "a"}));
    ExpectListMatchesTable();

    Step("a", "/bin/a", "A3");
    EXPECT_EQ(Names(tracker.Table()), (std::vector<std::string>{"a", "b"}));
    ExpectListMatchesTable();
    EXPECT_EQ(live.deletedRows, std::vector<int>{1});
    EXPECT_EQ(live.rows[0].cells[1], "A3");
    EXPECT_EQ(live.rows[0].cells[2], "__:__:03");
    EXPECT_EQ(live.rows[1].cells[1], "B1");
    EXPECT_EQ(label.texts,
              (std::vector<std::string>{"__:__:01", "__:__:02", "__:__:01", "__:__:01"}));
    EXPECT_EQ(tracker.Table().Front()->title, "A3");
}

TEST_F(TrackerTest, RecordPointersSurviveReordering) {
    Start();
    Step("a");
    const UsageRecord* a = tracker.Current();
    Step("b");
    Step("c");
    Step("a");
    EXPECT_EQ(tracker.Current(), a);
    EXPECT_EQ(a->seconds, 2);
    ExpectListMatchesTable();
}

TEST_F(TrackerTest, LoadFillsTableAndListInStoreOrder) {
    store.totals = {{"a", "/bin/a", 100}, {"b", "/bin/b", 3700}};
    sampler.iconPaths["/bin/b"] = true;
    Start();

    ASSERT_EQ(store.loadDays.size(), 1u);
    EXPECT_EQ(store.loadDays[0], clock.now);
    EXPECT_EQ(store.loadCapacity, 1000);
    EXPECT_EQ(Names(tracker.Table()), (std::vector<std::string>{"a", "b"}));
    ExpectListMatchesTable();
    EXPECT_EQ(live.rows[0].cells[1], "");
    EXPECT_EQ(live.rows[0].cells[2], "__:01:40");
    EXPECT_EQ(live.rows[1].cells[2], "01:01:40");
    EXPECT_EQ(live.rows[0].image, -1);
    EXPECT_EQ(live.rows[1].image, 0);
    ASSERT_EQ(sampler.extractCalls.size(), 2u);
    EXPECT_FALSE(sampler.extractCalls[0].useSampledWindow);
    EXPECT_TRUE(label.texts.empty());
    EXPECT_TRUE(store.seconds.empty());
}

TEST_F(TrackerTest, FirstCreditAfterLoadStartsAStretchOfOne) {
    store.totals = {{"a", "/bin/a", 100}, {"b", "/bin/b", 50}};
    Start();
    Step("a", "/bin/a");  // already the first record, but not yet current
    Step("a", "/bin/a");
    EXPECT_EQ(label.texts, (std::vector<std::string>{"__:__:01", "__:__:02"}));
    EXPECT_EQ(tracker.Table().Front()->seconds, 102);
    EXPECT_TRUE(live.deletedRows.empty());

    Step("b", "/bin/b");
    EXPECT_EQ(label.texts.back(), "__:__:01");
    EXPECT_EQ(tracker.Table().Front()->seconds, 51);
    EXPECT_EQ(tracker.Table().Front()->path, "/bin/b");
    ExpectListMatchesTable();
}

TEST_F(TrackerTest, FailedOrDisabledLoadLeavesTheListEmpty) {
    Start();  // the store has no rows, as after a failed load
    EXPECT_TRUE(live.rows.empty());
    EXPECT_EQ(tracker.Table().Size(), 0u);

    Configure("bLoadDbOnStartup", 0);
    store.totals = {{"a", "/bin/a", 100}};
    CUsageTracker fresh(settings, clock, sampler, store);
    FakeListControl list;
    fresh.Attach(&list, &alarms, &label, &images);
    fresh.LoadToday();
    EXPECT_EQ(store.loadDays.size(), 1u);  // only the first tracker asked
    EXPECT_TRUE(list.rows.empty());

    clock.now += 1;
    sampler.Set("b", "/bin/b");
    fresh.Tick();
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].cells[0], "b");
    EXPECT_EQ(list.rows[0].cells[2], "__:__:01");
}

TEST_F(TrackerTest, IdentityIsTheExactBaseName) {
    Start();
    Step("tool", "/usr/bin/tool");
    Step("tool", "/opt/other/tool");
    Step("TOOL", "/usr/bin/TOOL");
    EXPECT_EQ(Names(tracker.Table()), (std::vector<std::string>{"TOOL", "tool"}));
    const UsageRecord* tool = (*std::next(tracker.Table().begin())).get();
    EXPECT_EQ(tool->seconds, 2);
    EXPECT_EQ(tool->path, "/usr/bin/tool");  // the first path is kept
    ExpectListMatchesTable();
    // The store gets the record's path, not the second executable's.
    EXPECT_EQ(store.seconds[1].path, "/usr/bin/tool");
}

TEST_F(TrackerTest, UnresolvedProcessCreditsTheLastProgramWithTheNewTitle) {
    sampler.iconPaths["/bin/a"] = true;
    Start();
    Step("a", "/bin/a", "editing");
    StepFailed("Locked");
    ASSERT_EQ(tracker.Table().Size(), 1u);
    const UsageRecord* a = tracker.Table().Front();
    EXPECT_EQ(a->seconds, 2);
    EXPECT_EQ(a->title, "Locked");
    EXPECT_EQ(live.rows[0].cells[1], "Locked");
    EXPECT_EQ(label.texts.back(), "__:__:02");
    ASSERT_EQ(store.seconds.size(), 2u);
    EXPECT_EQ(store.seconds[1].name, "a");
    EXPECT_EQ(store.seconds[1].path, "/bin/a");

    StepFailed("");  // no window at all
    EXPECT_EQ(a->title, "");
    EXPECT_EQ(a->seconds, 3);
}

TEST_F(TrackerTest, UnresolvedBeforeAnySuccessGoesToAnEmptyName) {
    Start();
    StepFailed("Desktop");
    ASSERT_EQ(tracker.Table().Size(), 1u);
    EXPECT_EQ(tracker.Table().Front()->name, "");
    EXPECT_EQ(tracker.Table().Front()->title, "Desktop");
    EXPECT_EQ(live.rows[0].cells[0], "");
    ASSERT_EQ(store.seconds.size(), 1u);
    EXPECT_EQ(store.seconds[0].name, "");
    EXPECT_EQ(store.seconds[0].path, "");

    Step("a", "/bin/a");
    EXPECT_EQ(Names(tracker.Table()), (std::vector<std::string>{"a", ""}));
}

TEST_F(TrackerTest, TitlesAndPathsAreCutOnCharacterBoundaries) {
    Start();
    Step("a", "/bin/a", std::string(150, 'x'));
    EXPECT_EQ(tracker.Current()->title, std::string(99, 'x'));
    EXPECT_EQ(live.rows[0].cells[1], std::string(99, 'x'));

    // 98 ASCII characters and then euro signs: the 99th character is kept whole
    Step("a", "/bin/a", std::string(98, 'y') + "\xE2\x82\xAC\xE2\x82\xAC");
    EXPECT_EQ(tracker.Current()->title, std::string(98, 'y') + "\xE2\x82\xAC");

    std::string emoji;
    for (int i = 0; i < 100; ++i) emoji += "\xF0\x9F\x98\x80";
    Step("a", "/bin/a", emoji);
    EXPECT_EQ(tracker.Current()->title, emoji.substr(0, 99 * 4));

    std::string longPath = "/" + std::string(300, 'p');

    Step("b", longPath);
    EXPECT_EQ(tracker.Current()->path, longPath.substr(0, 259));
}

TEST_F(TrackerTest, IconIsExtractedOncePerProgram) {
    sampler.iconPaths["/bin/a"] = true;
    Start();
    Step("a", "/bin/a");
    Step("a", "/bin/a");
    Step("b", "/bin/b");                     // no icon
    Step("c", "");                           // no path: nothing to extract from
    EXPECT_EQ(tracker.Current()->path, "");  // never the previous program's path
    Step("a", "/bin/a");

    ASSERT_EQ(images.icons.size(), 1u);
    int extractsOfA = 0;
    for (const auto& call : sampler.extractCalls) {
        EXPECT_TRUE(call.useSampledWindow);
        EXPECT_NE(call.path, "");
        if (call.path == "/bin/a") ++extractsOfA;
    }
    EXPECT_EQ(extractsOfA, 1);
    EXPECT_EQ(live.rows[0].image, 0);   // a
    EXPECT_EQ(live.rows[1].image, -1);  // c
    EXPECT_EQ(live.rows[2].image, -1);  // b
    EXPECT_EQ(tracker.Table().Front()->icon, 0);
}

TEST_F(TrackerTest, IconIndexIsTheOneTheImageListGave) {
    images.firstIndex = 7;
    store.totals = {{"a", "/bin/a", 10}};
    sampler.iconPaths = {{"/bin/a", true}, {"/bin/b", true}};
    Start();
    Step("b", "/bin/b");
    Step("a", "/bin/a");
    Step("b", "/bin/b");
    EXPECT_EQ(live.rows[0].image, 8);  // b
    EXPECT_EQ(live.rows[1].image, 7);  // a
    EXPECT_EQ(sampler.extractCalls.size(), 2u);
}

TEST_F(TrackerTest, LoadedIconIsFoundByNameWithoutAnotherExtraction) {
    store.totals = {{"a", "/bin/a", 10}};
    sampler.iconPaths["/bin/a"] = true;
    Start();
    Step("a", "/bin/a");
    EXPECT_EQ(sampler.extractCalls.size(), 1u);
    EXPECT_EQ(images.icons.size(), 1u);
    EXPECT_EQ(live.rows[0].image, 0);
}

TEST_F(TrackerTest, IconsFoundOnlyLaterReachTheirRows) {
    store.totals = {{"loaded", "/bin/loaded", 10}};
    Start();
    Step("front", "/bin/front");
    ASSERT_EQ(live.rows.size(), 2u);
    EXPECT_EQ(live.rows[0].image, -1);
    EXPECT_EQ(live.rows[1].image, -1);
    // The sampler may know more now: the row in front at its next second, the loaded row
    // through the retry.
    sampler.iconPaths = {{"/bin/loaded", true}, {"/bin/front", true}};
    sampler.iconsRevision = 1;
    Step("front", "/bin/front");
    EXPECT_EQ(images.icons.size(), 2u);
    for (std::size_t i = 0; i < live.rows.size(); ++i) {
        EXPECT_GE(live.rows[i].image, 0) << live.rows[i].cells[0];
        EXPECT_EQ(live.rows[i].image, live.rows[i].data->icon);
    }
}

// Seconds whose program cannot be named yet wait for the name (at most ten), then go to the
// program as named then: one row, every second once, at its own time.
TEST_F(TrackerTest, ProvisionalSecondsAreHeldThenCreditedOnce) {
    struct Case {
        const char* what;
        int provisional;  // ticks before the end of the case
        bool named;       // then the sampler can name them, and one named tick follows
        bool flush;       // then the program ends
        std::string row;
        int seconds;
    };
    const std::vector<Case> cases = {
        {"named in time", 3, true, false, "editor", 4},
        {"ended first", 3, false, true, "org.example.Editor", 3},
        {"never named", 11, false, false, "org.example.Editor", 11},
    };
    for (const Case& c : cases) {
        FakeSampler provisional;
        FakeUsageStore seconds;
        FakeListControl rows;
        CUsageTracker t(settings, clock, provisional, seconds);
        t.Attach(&rows, nullptr, nullptr, nullptr);
        const int64_t start = clock.now;
        provisional.Set("org.example.Editor", "");
        provisional.next.provisional = true;
        for (int i = 0; i < c.provisional; ++i) {
            clock.now += 1;
            t.Tick();
        }
        if (c.named) {
            provisional.settledName = "editor";
            provisional.Set("editor", "/bin/editor");
            clock.now += 1;
            t.Tick();
        }
        if (c.flush) t.FlushNow();
        ASSERT_EQ(t.Table().Size(), 1u) << c.what;
        EXPECT_EQ(t.Table().Front()->name, c.row) << c.what;
        EXPECT_EQ(t.Table().Front()->seconds, c.seconds) << c.what;
        ASSERT_EQ(seconds.seconds.size(), static_cast<std::size_t>(c.seconds)) << c.what;
        for (int i = 0; i < c.seconds; ++i) {
            EXPECT_EQ(seconds.seconds[i].now, start + 1 + i) << c.what;
            EXPECT_EQ(seconds.seconds[i].name, c.row) << c.what;
        }
        EXPECT_EQ(rows.rows.size(), 1u) << c.what;
    }
}

TEST_F(TrackerTest, EveryCreditedSecondReachesTheStoreAndFlushUsesTheLastTick) {
    tracker.FlushNow();
    EXPECT_TRUE(store.flushes.empty());  // nothing can be pending before a tick

    Start();
    Step("a", "/bin/a");
    Step("b", "/bin/b");
    StepFailed();
    ASSERT_EQ(store.seconds.size(), 3u);
    EXPECT_EQ(store.seconds[0].now, clock.now - 2);
    EXPECT_EQ(store.seconds[1].name, "b");
    EXPECT_EQ(store.seconds[1].path, "/bin/b");
    EXPECT_EQ(store.seconds[2].now, clock.now);
    EXPECT_EQ(store.seconds[2].name, "b");
    EXPECT_EQ(store.seconds[2].path, "/bin/b");

    const int64_t last = clock.now;
    clock.now += 30;  // the exit comes later than the last tick
    tracker.FlushNow();
    ASSERT_EQ(store.flushes.size(), 1u);
    EXPECT_EQ(store.flushes[0].now, last);
    EXPECT_EQ(store.flushes[0].when, last);
    EXPECT_EQ(tracker.LastTick(), last);
}

TEST_F(TrackerTest, MidnightTickStartsANewDayButKeepsAlarms) {
    store.totals = {{"a", "/bin/a", 7199}, {"b", "/bin/b", 20}};
    sampler.iconPaths["/bin/a"] = true;
    clock.now = LocalInstant(2026, 12, 8, 23, 59, 57);
    Start();
    Step("a", "/bin/a");  // 23:59:58, reaches 7200: an alarm
    Step("b", "/bin/b");  // 23:59:59
    ASSERT_EQ(alarms.rows.size(), 1u);

    Step("b", "/bin/b", "new day");  // 00:00:00
    EXPECT_EQ(live.deleteAllCount, 1);
    ASSERT_EQ(tracker.Table().Size(), 1u);
    EXPECT_EQ(tracker.Table().Front()->name, "b");
    EXPECT_EQ(tracker.Table().Front()->seconds, 1);
    EXPECT_EQ(tracker.Table().Front()->title, "new day");
    ExpectListMatchesTable();
    EXPECT_EQ(live.rows[0].cells[2], "__:__:01");
    EXPECT_EQ(label.texts.back(), "__:__:01");
    EXPECT_EQ(alarms.rows.size(), 1u);
    EXPECT_EQ(store.seconds.back().path, "/bin/b");
    EXPECT_EQ(alarms.deleteAllCount, 0);

    Step("a", "/bin/a");  // the icon keys survive: a new record of a gets its icon back
    EXPECT_EQ(tracker.Table().Front()->seconds, 1);
    EXPECT_EQ(tracker.Table().Front()->icon, 0);
    EXPECT_EQ(images.icons.size(), 1u);
    ExpectListMatchesTable();
}

TEST_F(TrackerTest, TheFirstTickOfANewDayStartsItWhateverTheGap) {
    struct Case {
        const char* what;
        int64_t next;  // the tick after one at 09:59:59 on 8 December
        bool newDay;
    };
    const Case cases[] = {
        {"ticked at 00:00:00", LocalInstant(2026, 12, 9, 0, 0, 0), true},
        {"slept through 00:00:00", LocalInstant(2026, 12, 9, 0, 0, 1), true},
        {"clocks jumped to 01:00:00", LocalInstant(2026, 12, 9, 1, 0, 0), true},
        {"slept over night", LocalInstant(2026, 12, 9, 7, 30, 0), true},
        {"slept for days", LocalInstant(2026, 12, 12, 9, 0, 0), true},
        {"clock set back a day", LocalInstant(2026, 12, 7, 12, 0, 0), true},
        {"slept until late the same day", LocalInstant(2026, 12, 8, 23, 59, 59), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CUsageTracker tracker2(settings, clock, sampler, store);
        FakeListControl live2;
        FakeListControl alarms2;
        tracker2.Attach(&live2, &alarms2, nullptr, nullptr);
        store.totals = {{"a", "/bin/a", 599}};
        Configure("iAlarmForMinutes", 10);
        clock.now = LocalInstant(2026, 12, 8, 9, 59, 58);
        tracker2.LoadToday();
        clock.now += 1;
        sampler.Set("a", "/bin/a");
        tracker2.Tick();  // 600 s: an alarm
        ASSERT_EQ(alarms2.rows.size(), 1u);

        clock.now = c.next;
        tracker2.Tick();
        EXPECT_EQ(live2.deleteAllCount, c.newDay ? 1 : 0);
        ASSERT_EQ(tracker2.Table().Size(), 1u);
        // One second for the tick, never the gap; yesterday's total is gone on a new day.
        EXPECT_EQ(tracker2.Table().Front()->seconds, c.newDay ? 1 : 601);
        EXPECT_EQ(alarms2.rows.size(), 1u);
        EXPECT_EQ(live2.rows.size(), 1u);
    }
}

TEST_F(TrackerTest, WorksWithoutAttachedControls) {
    CUsageTracker bare(settings, clock, sampler, store);
    store.totals = {{"a", "/bin/a", 7199}};
    sampler.iconPaths["/bin/a"] = true;
    bare.LoadToday();
    clock.now += 1;
    sampler.Set("a", "/bin/a");
    bare.Tick();
    EXPECT_EQ(bare.Table().Front()->seconds, 7200);
    EXPECT_EQ(store.seconds.size(), 1u);
}

// Alarms

TEST_F(TrackerTest, AlarmAtEveryMultipleOfTheStepNewestFirst) {
    Configure("iAlarmForMinutes", 5);
    sampler.iconPaths["/bin/a"] = true;
    Start();
    for (int i = 0; i < 299; ++i) Step("a", "/bin/a");
    EXPECT_TRUE(alarms.rows.empty());
    Step("a", "/bin/a", "at 300");
    ASSERT_EQ(alarms.rows.size(), 1u);
    const int64_t firstAlarm = clock.now;
    for (int i = 0; i < 300; ++i) Step("a", "/bin/a");

    ASSERT_EQ(alarms.rows.size(), 2u);
    EXPECT_EQ(alarms.rows[0].cells[0], "a");
    EXPECT_EQ(alarms.rows[0].cells[1], "__:10:00");
    EXPECT_EQ(alarms.rows[0].cells[2], FormatClockTime(clock.now));
    EXPECT_EQ(alarms.rows[0].image, 0);
    EXPECT_EQ(alarms.rows[0].data, nullptr);
    EXPECT_EQ(alarms.rows[1].cells[1], "__:05:00");
    EXPECT_EQ(alarms.rows[1].cells[2], FormatClockTime(firstAlarm));
}

TEST_F(TrackerTest, AlarmsOfTwoProgramsInTheOrderReached) {
    Configure("iAlarmForMinutes", 5);
    store.totals = {{"a", "/bin/a", 298}, {"b", "/bin/b", 299}};
    Start();
    Step("a");  // 299
    Step("b");  // 300: alarm for b
    Step("a");  // 300: alarm for a
    ASSERT_EQ(alarms.rows.size(), 2u);
    EXPECT_EQ(alarms.rows[0].cells[0], "a");
    EXPECT_EQ(alarms.rows[1].cells[0], "b");
}

TEST_F(TrackerTest, LoadedTotalJustBelowAStepAlarmsAtTheFirstCredit) {
    store.totals = {{"a", "/bin/a", 7199}};
    Start();
    Step("a", "/bin/a");
    ASSERT_EQ(alarms.rows.size(), 1u);
    EXPECT_EQ(alarms.rows[0].cells[1], "02:00:00");
}

TEST_F(TrackerTest, LoadedTotalBeyondAStepSkipsItUntilTheNextMultiple) {
    store.totals = {{"a", "/bin/a", 7250}};
    Start();
    for (int i = 0; i < 14400 - 7250 - 1; ++i) Step("a", "/bin/a");
    EXPECT_TRUE(alarms.rows.empty());
    Step("a", "/bin/a");
    ASSERT_EQ(alarms.rows.size(), 1u);
    EXPECT_EQ(alarms.rows[0].cells[1], "04:00:00");
}

TEST_F(TrackerTest, AlarmStepOfZeroOrLessFallsBackToTheDefault) {
    for (long long stored : {0LL, -5LL}) {
        Configure("iAlarmForMinutes", stored);
        CUsageTracker t(settings, clock, sampler, store);
        FakeListControl list, alarmList;
        t.Attach(&list, &alarmList, &label, &images);
        store.totals = {{"a", "/bin/a", 7199}};
        t.LoadToday();
        for (int i = 0; i < 2; ++i) {
            clock.now += 1;
            sampler.Set("a", "/bin/a");
            t.Tick();
        }
        ASSERT_EQ(alarmList.rows.size(), 1u) << stored;
        EXPECT_EQ(alarmList.rows[0].cells[1], "02:00:00");
    }
}

TEST_F(TrackerTest, CorruptLoadedTotalsNeitherAlarmNorOverflow) {
    store.totals = {{"neg", "/bin/neg", -1}, {"max", "/bin/max", 2147483647}};
    Start();
    Step("neg");  // reaches 0: no multiple of a step worth an alarm
    Step("max");
    EXPECT_TRUE(alarms.rows.empty());
    EXPECT_EQ(tracker.Table().Front()->seconds, 2147483647);
}

}  // namespace
