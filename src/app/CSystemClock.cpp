// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CSystemClock.h"

#include <ctime>

int64_t CSystemClock::Now() {
    return static_cast<int64_t>(std::time(nullptr));
}
