// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/IClock.h"

// The wall clock.
class CSystemClock : public IClock {
  public:
    int64_t Now() override;
};
