// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The digital display: takes a duration text and shows its six digits beside today's date.
class IClockLabel {
  public:
    virtual ~IClockLabel() = default;
    virtual void SetText(const std::string& text) = 0;
};
