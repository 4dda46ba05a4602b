#pragma once

#include "core/IClock.h"

// The wall clock.
class CSystemClock : public IClock {
  public:
    int64_t Now() override;
};
