// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// A small program icon as plain pixels, so the tracking logic can carry icons without Qt.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;  // row-major, 0xAARRGGBB

    bool IsNull() const { return width <= 0 || height <= 0 || argb.empty(); }
};
