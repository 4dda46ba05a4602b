// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Time source of the one-second step, replaceable so any instant can be tested.
class IClock {
  public:
    virtual ~IClock() = default;
    virtual int64_t Now() = 0;  // seconds since the epoch
};
