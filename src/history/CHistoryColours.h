// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Which colour of the palette each named program or group gets, for as long as a window
// lives: a name keeps the colour it got first, also when it drops out of the top and comes
// back. A new name gets a colour nobody has had yet; when every colour has been given, the
// colour of the name shown longest ago that is not shown now.
class CHistoryColours {
  public:
    static constexpr int kColours = 12;
    // The palette as 0xRRGGBB, and the colour of "Other".
    static uint32_t Colour(int index);
    static constexpr uint32_t kOther = 0xBAB0AC;

    // The colour indexes of names shown together, in their order. Names repeated get one
    // colour.
    std::vector<int> Assign(const std::vector<std::string>& shown);

  private:
    struct Held {
        int colour = 0;
        uint64_t lastShown = 0;
    };
    std::map<std::string, Held> held_;
    uint64_t round_ = 0;
};
