// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "core/IClockLabel.h"

class FakeClockLabel : public IClockLabel {
  public:
    void SetText(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};
