// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CUsageTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<UsageRecord> Make(const std::string& name, int seconds = 0) {
    auto record = std::make_unique<UsageRecord>();
    record->name = name;
    record->seconds = seconds;
    return record;
}

std::vector<std::string> Names(const CUsageTable& table) {
    std::vector<std::string> names;
    for (const auto& record : table) names.push_back(record->name);
    return names;
}

TEST(UsageTableTest, FindGivesTheRecordAndItsPosition) {
    CUsageTable table;
    EXPECT_FALSE(table.Find("a"));
    table.Append(Make("a"));
    table.Append(Make("b"));
    table.PushFront(Make("c"));
    EXPECT_EQ(Names(table), (std::vector<std::string>{"c", "a", "b"}));

    const CUsageTable::Match b = table.Find("b");
    ASSERT_TRUE(b);
    EXPECT_EQ(b.position, 2);
    EXPECT_EQ(b.record->name, "b");
    EXPECT_EQ(table.Find("c").position, 0);
    EXPECT_FALSE(table.Find("B"));  // exact bytes: case matters
    EXPECT_FALSE(table.Find(""));
}

TEST(UsageTableTest, MoveToFrontKeepsTheRecordAddress) {
    CUsageTable table;
    UsageRecord* a = table.Append(Make("a", 5));
    table.Append(Make("b"));
    UsageRecord* c = table.Append(Make("c"));

    table.MoveToFront(table.Find("c"));
    EXPECT_EQ(Names(table), (std::vector<std::string>{"c", "a", "b"}));
    EXPECT_EQ(table.Front(), c);
    table.MoveToFront(table.Find("c"));  // already in front
    EXPECT_EQ(Names(table), (std::vector<std::string>{"c", "a", "b"}));
    table.MoveToFront(table.Find("a"));
    EXPECT_EQ(table.Front(), a);
    EXPECT_EQ(a->seconds, 5);
    EXPECT_EQ(table.Size(), 3u);
}

TEST(UsageTableTest, ClearEmptiesTheTable) {
    CUsageTable table;
    table.Append(Make("a"));
    table.Clear();
    EXPECT_TRUE(table.Empty());
    EXPECT_EQ(table.Front(), nullptr);
    EXPECT_FALSE(table.Find("a"));
}

}  // namespace
