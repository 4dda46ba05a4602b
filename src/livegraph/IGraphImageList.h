// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// Where the live graph finds a row's icon by its index; -1 or an unknown index gives a null
// icon. The main window's program icon list implements it.
class IGraphImageList {
  public:
    virtual ~IGraphImageList() = default;
    virtual QIcon Icon(int index) const = 0;
};
