#pragma once

#include <vector>

#include "core/IImageList.h"

class FakeImageList : public IImageList {
  public:
    int Add(const IconImage& icon) override {
        icons.push_back(icon);
        return static_cast<int>(icons.size()) - 1;
    }
    std::vector<IconImage> icons;
};
