// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/IClock.h"

class FakeClock : public IClock {
  public:
    int64_t Now() override { return now; }
    int64_t now = 0;
};
