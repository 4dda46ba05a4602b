// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// Values of the settings group "Config".
class ISettingsStore {
  public:
    virtual ~ISettingsStore() = default;
    virtual std::optional<long long> ReadInt(const std::string& name) const = 0;
    virtual void WriteInt(const std::string& name, long long value) = 0;
    // Texts (the share folder and the computer's name and id); a store without them has
    // none.
    virtual std::optional<std::string> ReadText(const std::string&) const { return std::nullopt; }
    virtual void WriteText(const std::string&, const std::string&) {}
};
