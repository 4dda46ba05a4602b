// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// Where a session's input idle time comes from: the X server or a compositor's idle
// notification. Answers without waiting on a bus.
class IIdleTime {
  public:
    virtual ~IIdleTime() = default;
    // Milliseconds since the last keyboard or mouse input; -1 when it cannot be read.
    virtual int64_t IdleMs() = 0;
    // Whether the display's own screen saver runs; nullopt when it has none.
    virtual std::optional<bool> SaverActive() = 0;
};
