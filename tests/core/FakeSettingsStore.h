// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/ISettingsStore.h"

// The "Config" group in memory; writes are also logged in order.
class FakeSettingsStore : public ISettingsStore {
  public:
    std::optional<long long> ReadInt(const std::string& name) const override {
        const auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void WriteInt(const std::string& name, long long value) override {
        values[name] = value;
        writes.emplace_back(name, value);
    }

    std::map<std::string, long long> values;
    std::vector<std::pair<std::string, long long>> writes;
};
