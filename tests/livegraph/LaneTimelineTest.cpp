// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "livegraph/CLaneTimeline.h"
#include "livegraph/LiveWindowPlacement.h"
#include "livegraph/TimeAxis.h"

namespace {

TEST(LaneTimelineTest, RingKeepsTheNewest1280Samples) {
    CLaneTimeline timeline;
    for (int i = 0; i < CLaneTimeline::kRingSize; ++i) timeline.Sample("a", "a", 3);
    EXPECT_TRUE(timeline.EqualsPrevious());
    timeline.Sample("b", "b", 4);
    EXPECT_FALSE(timeline.EqualsPrevious());
    EXPECT_EQ(timeline.Stored(), 1280);
    EXPECT_EQ(timeline.Newest(), 0);  // wrapped round
    EXPECT_EQ(timeline.Total(), 1281);
    const std::vector<CLaneTimeline::Run> runs = timeline.Runs(2000);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].row, 1);
    EXPECT_EQ(runs[0].length, 1);
    EXPECT_EQ(runs[1].row, 0);
    EXPECT_EQ(runs[1].age, 1);
    EXPECT_EQ(runs[1].length, 1279);
    // A narrower strip walks back only as far as it is wide.
    EXPECT_EQ(timeline.Runs(100).back().length, 99);
}

TEST(LaneTimelineTest, AwaySecondsHaveNoBarAndKeepTheBarsBefore) {
    CLaneTimeline timeline;
    timeline.Sample("a", "a", 3);
    timeline.Sample("a", "a", 3);
    timeline.SampleNone();
    timeline.SampleNone();
    EXPECT_EQ(timeline.CurrentRow(), -1);
    EXPECT_EQ(timeline.RowCount(), 1);
    const std::vector<CLaneTimeline::Run> runs = timeline.Runs(100);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].row, -1);
    EXPECT_EQ(runs[0].length, 2);
    EXPECT_EQ(runs[1].row, 0);
    EXPECT_EQ(runs[1].length, 2);
}

TEST(LaneTimelineTest, The101stKeyEvictsRowZero) {
    CLaneTimeline timeline;
    for (int i = 0; i < 100; ++i) {
        timeline.Sample("label" + std::to_string(i), "key" + std::to_string(i), i);
        EXPECT_TRUE(timeline.RowAdded());
        timeline.ClearRowAdded();
    }
    EXPECT_EQ(timeline.Sample("again", "key5", 77), 5);  // found by key: first label kept
    EXPECT_FALSE(timeline.RowAdded());
    EXPECT_EQ(timeline.Rows()[5].label, "label5");
    EXPECT_FALSE(timeline.Evicted());

    EXPECT_EQ(timeline.Sample("new", "key100", 100), 99);
    EXPECT_TRUE(timeline.Evicted());
    EXPECT_EQ(timeline.RowCount(), 100);
    EXPECT_EQ(timeline.Rows()[0].key, "key1");
    EXPECT_EQ(timeline.Rows()[99].icon, 100);
    EXPECT_EQ(timeline.At(0), 99);
    EXPECT_EQ(timeline.At(1), 4);     // key5, renumbered
    EXPECT_EQ(timeline.At(100), 0);   // key1
    EXPECT_EQ(timeline.At(101), -1);  // key0's second belongs to no row now
}

TEST(LaneTimelineTest, RowAndBarHeights) {
    EXPECT_EQ(CLaneTimeline::RowHeight(400, 22, 18), 18);
    EXPECT_EQ(CLaneTimeline::RowHeight(400, 23, 18), 17);
    EXPECT_EQ(CLaneTimeline::RowHeight(10, 50, 18), 1);  // never below one pixel
    EXPECT_EQ(CLaneTimeline::BarHeight(18), 10);
    // Lane 1 of 18 pixels: centre 27, bar 22..32.
    EXPECT_EQ(CLaneTimeline::BarTop(1, 18), 22);
    EXPECT_EQ(CLaneTimeline::BarBottom(1, 18), 32);
}

struct AxisCase {
    int hour, minute, second;
    // Distances left of "now" of the first marks, "" for a short tick.
    std::vector<std::pair<int, std::string>> marks;
};

TEST(TimeAxisTest, MarksFollowTheClock) {
    const std::vector<AxisCase> cases = {
        {10, 24, 10, {{10, "10:24"}, {40, ""}, {70, ""}, {100, ""}, {130, "10:22"}}},
        {10,
         25,
         10,
         {{10, ""}, {40, ""}, {70, "10:24"}, {100, ""}, {130, ""}, {160, ""}, {190, "10:22"}}},
        {0,
         1,
         20,
         {{20, ""},
          {50, ""},
          {80, "00:00"},
          {110, ""},
          {140, ""},
          {170, ""},
          {200, "23:58"},
          {230, ""},
          {260, ""},
          {290, ""},
          {320, "23:56"}}},
    };
    const int plotWidth = 1000;
    for (const AxisCase& c : cases) {
        std::vector<AxisMark> marks =
            TimeAxisMarks(c.hour, c.minute, c.second, plotWidth, plotWidth - 174, 30);
        std::sort(marks.begin(), marks.end(),
                  [](const AxisMark& a, const AxisMark& b) { return a.x > b.x; });
        ASSERT_GE(marks.size(), c.marks.size());
        for (size_t i = 0; i < c.marks.size(); ++i) {
            SCOPED_TRACE(testing::Message()
                         << c.hour << ":" << c.minute << ":" << c.second << " mark " << i);
            EXPECT_EQ(plotWidth - marks[i].x, c.marks[i].first);
            EXPECT_EQ(marks[i].isLong, !c.marks[i].second.empty());
            EXPECT_EQ(marks[i].label, c.marks[i].second);
        }
        EXPECT_GE(marks.back().x, 174);
    }
    // A strip narrower than the seconds into the half minute shows no marks at all.
    EXPECT_TRUE(TimeAxisMarks(10, 24, 10, 180, 6, 30).empty());
}

TEST(LiveWindowPlacementTest, LeftOfTheMainWindowWhereThereIsRoom) {
    EXPECT_EQ(LiveWindowPlacement(300, 600), (WindowRect{200, 100, 600, 600}));
    EXPECT_EQ(LiveWindowPlacement(900, 120), (WindowRect{500, 120, 900, 620}));
}

}  // namespace
