// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <string>

#include "core/UsageRecord.h"

// Every program seen today, most recently credited first. Records live on the heap so
// the pointers the list views keep as item data stay valid while the order changes.
class CUsageTable {
  public:
    using Records = std::list<std::unique_ptr<UsageRecord>>;

    struct Match {
        Records::iterator where;
        int position = -1;  // counted from the front, 0-based
        UsageRecord* record = nullptr;
        explicit operator bool() const { return record != nullptr; }
    };

    // The first record from the front whose name equals name byte for byte.
    Match Find(const std::string& name);

    UsageRecord* PushFront(std::unique_ptr<UsageRecord> record);
    UsageRecord* Append(std::unique_ptr<UsageRecord> record);
    // match must come from Find on this table with no change in between.
    void MoveToFront(const Match& match);
    // match must come from Find on this table with no change in between.
    void Erase(const Match& match);
    void Clear();

    std::size_t Size() const { return records_.size(); }
    bool Empty() const { return records_.empty(); }
    const UsageRecord* Front() const { return records_.empty() ? nullptr : records_.front().get(); }

    Records::const_iterator begin() const { return records_.begin(); }
    Records::const_iterator end() const { return records_.end(); }

  private:
    Records records_;
};
