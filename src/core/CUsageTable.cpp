// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CUsageTable.h"

#include <utility>

CUsageTable::Match CUsageTable::Find(const std::string& name) {
    int position = 0;
    for (auto it = records_.begin(); it != records_.end(); ++it, ++position) {
        if ((*it)->name == name) {
            return Match{it, position, it->get()};
        }
    }
    return Match{records_.end(), -1, nullptr};
}

UsageRecord* CUsageTable::PushFront(std::unique_ptr<UsageRecord> record) {
    records_.push_front(std::move(record));
    return records_.front().get();
}

UsageRecord* CUsageTable::Append(std::unique_ptr<UsageRecord> record) {
    records_.push_back(std::move(record));
    return records_.back().get();
}

void CUsageTable::MoveToFront(const Match& match) {
    // splice keeps the node, so the record's address does not change
    records_.splice(records_.begin(), records_, match.where);
}

void CUsageTable::Erase(const Match& match) {
    records_.erase(match.where);
}

void CUsageTable::Clear() {
    records_.clear();
}
