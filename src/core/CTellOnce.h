// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>

// A loss or failure is said once, and again only after it has worked in between, so a
// lasting fault gives one message, not one per try.
class CTellOnce {
  public:
    // True the first time since construction or the last Worked().
    bool First() { return !std::exchange(told_, true); }
    // It works again: the next failure is news.
    void Worked() { told_ = false; }

  private:
    bool told_ = false;
};
