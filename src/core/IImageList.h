// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/IconImage.h"

// The shared 16 x 16 icon list; entries are addressed by the index Add returns.
class IImageList {
  public:
    virtual ~IImageList() = default;
    virtual int Add(const IconImage& icon) = 0;
};
