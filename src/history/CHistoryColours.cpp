// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/CHistoryColours.h"

#include <array>
#include <set>

uint32_t CHistoryColours::Colour(int index) {
    // Told apart by hue and by lightness, so neighbours in a stack stay apart in grey too.
    static constexpr std::array<uint32_t, kColours> kPalette = {
        0x4E79A7, 0xF28E2B, 0x59A14F, 0xE15759, 0x76B7B2, 0xEDC948,
        0xB07AA1, 0xFF9DA7, 0x9C755F, 0x1F3F8F, 0x8CD17D, 0xA0522D};
    return kPalette[static_cast<size_t>(index % kColours)];
}

std::vector<int> CHistoryColours::Assign(const std::vector<std::string>& shown) {
    ++round_;
    std::set<int> taken;
    for (const std::string& name : shown) {
        if (const auto found = held_.find(name); found != held_.end()) {
            found->second.lastShown = round_;
            taken.insert(found->second.colour);
        }
    }
    std::vector<int> colours;
    colours.reserve(shown.size());
    for (const std::string& name : shown) {
        auto found = held_.find(name);
        if (found == held_.end()) {
            std::set<int> given;
            for (const auto& [other, held] : held_) given.insert(held.colour);
            int colour = -1;
            for (int c = 0; c < kColours && colour < 0; ++c) {
                if (given.count(c) == 0) colour = c;
            }
            if (colour < 0) {
                // Every colour given: take the one shown longest ago, from a name not
                // shown now, which gets a new colour if it comes back.
                auto oldest = held_.end();
                for (auto it = held_.begin(); it != held_.end(); ++it) {
                    if (taken.count(it->second.colour) == 0 &&
                        (oldest == held_.end() ||
                         it->second.lastShown < oldest->second.lastShown)) {
                        oldest = it;
                    }
                }
                colour = oldest != held_.end() ? oldest->second.colour
                                               : static_cast<int>(taken.size() % kColours);
                if (oldest != held_.end()) held_.erase(oldest);
            }
            taken.insert(colour);
            found = held_.emplace(name, Held{colour, round_}).first;
        }
        colours.push_back(found->second.colour);
    }
    return colours;
}
