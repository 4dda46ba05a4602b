#pragma once

#include <optional>
#include <string>

// Integer values of the settings group "Config".
class ISettingsStore {
  public:
    virtual ~ISettingsStore() = default;
    virtual std::optional<long long> ReadInt(const std::string& name) const = 0;
    virtual void WriteInt(const std::string& name, long long value) = 0;
};
