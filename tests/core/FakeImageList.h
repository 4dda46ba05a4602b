// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "core/IImageList.h"

class FakeImageList : public IImageList {
  public:
    int Add(const IconImage& icon) override {
        icons.push_back(icon);
        return firstIndex + static_cast<int>(icons.size()) - 1;
    }
    int firstIndex = 0;  // an image list that already holds other images
    std::vector<IconImage> icons;
};
