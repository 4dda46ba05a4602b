// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QList>

#include "core/IImageList.h"
#include "livegraph/IGraphImageList.h"

// The 16 x 16 program icons shared by the live list, the alarm list and the live graph, each
// also at the size it was read at (up to 64 pixels) for finer screens.
class CImageList : public IImageList, public IGraphImageList {
  public:
    static constexpr int kSize = 16;

    int Add(const IconImage& icon) override;
    // A null icon for -1 or any index not handed out.
    QIcon Icon(int index) const override;
    int Count() const { return static_cast<int>(icons_.size()); }

  private:
    QList<QIcon> icons_;
};
