// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// One program seen today. The name is the identity, compared byte for byte.
struct UsageRecord {
    std::string name;
    std::string title;
    std::string path;
    int32_t seconds = 0;
    int icon = -1;
    int32_t alarmedAt = 0;  // the total of the latest alarm, so a taken-back total never repeats it
};
