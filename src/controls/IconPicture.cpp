// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/IconPicture.h"

#include <cstdint>

QImage IconPicture(const IconImage& icon) {
    if (icon.IsNull() ||
        icon.argb.size() < static_cast<size_t>(icon.width) * static_cast<size_t>(icon.height)) {
        return {};
    }
    QImage picture(icon.width, icon.height, QImage::Format_ARGB32);
    for (int y = 0; y < icon.height; ++y) {
        auto* line = reinterpret_cast<uint32_t*>(picture.scanLine(y));
        for (int x = 0; x < icon.width; ++x) {
            line[x] = icon.argb[static_cast<size_t>(y) * icon.width + x];
        }
    }
    return picture;
}
