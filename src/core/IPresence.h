// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Whether someone is at the computer, as the session tells it. Asked by the one-second
// step, so an implementation answers from what it already knows and never waits.
class IPresence {
  public:
    virtual ~IPresence() = default;
    // The session is locked or its screen saver runs.
    virtual bool Locked() = 0;
    // Milliseconds since the last keyboard or mouse input; 0 while a program holds an idle
    // inhibitor; -1 when this session cannot tell.
    virtual int64_t IdleMs() = 0;
};
