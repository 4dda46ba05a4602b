// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "core/CUsageTracker.h"
#include "core/IClock.h"
#include "core/IForegroundSampler.h"
#include "db/CUsageDb.h"

namespace {

class SetClock : public IClock {
  public:
    int64_t Now() override { return now; }
    int64_t now = 0;
};

class OneProgram : public IForegroundSampler {
  public:
    ForegroundSample Sample() override { return ForegroundSample{"title", true, name, path}; }
    std::optional<IconImage> ExtractIcon(const std::string&, bool) override { return std::nullopt; }
    std::string name = "editor";
    std::string path = "/usr/bin/editor";
};

using TrackerWithDb = DbTest;

}  // namespace

// The tracker and the database together, as the main window runs them.
TEST_F(TrackerWithDb, CarriesOnFromTheSavedDayAndWritesEveryCreditedSecondOnce) {
    SetClock clock;
    OneProgram sampler;
    const int64_t start = LocalInstant(2026, 12, 6, 9, 0, 0);
    {
        CUsageDb db(path_, settings_);
        CUsageTracker tracker(settings_, clock, sampler, db);
        clock.now = start;
        tracker.LoadToday();
        for (int i = 1; i <= 25; ++i) {
            clock.now = start + i;
            tracker.Tick();
        }
        EXPECT_FALSE(db.Pending().empty());
        tracker.FlushNow();  // exit
        EXPECT_TRUE(db.Pending().empty());
    }
    {
        // Next start the same day: today's 25 seconds come back, the new ones add to them.
        CUsageDb db(path_, settings_);
        CUsageTracker tracker(settings_, clock, sampler, db);
        clock.now = start + 3600;
        tracker.LoadToday();
        ASSERT_EQ(tracker.Table().Size(), 1u);
        for (int i = 1; i <= 5; ++i) {
            clock.now = start + 3600 + i;
            tracker.Tick();
        }
        tracker.FlushNow();
    }
    RawDb raw(path_);
    EXPECT_EQ(raw.Rows("SELECT h, seconds FROM ttime ORDER BY h"),
              (std::vector<std::string>{"9|25", "10|5"}));
    EXPECT_TRUE(messages_.empty());
}
