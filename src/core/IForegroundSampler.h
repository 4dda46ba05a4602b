// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/IconImage.h"

// Longest title a sample carries and the tracker keeps, in characters.
inline constexpr std::size_t kMaxTitleChars = 99;
// Longest app id or WM class kept for the icon: it names a desktop entry's file, and a file
// name has at most 255 bytes.
inline constexpr std::size_t kMaxAppIdChars = 255;

// What one look at the foreground window gives.
struct ForegroundSample {
    std::string title;          // at most kMaxTitleChars; empty without a window
    bool processFound = false;  // false: name and path could not be read
    std::string name;           // executable base name
    std::string path;           // full executable path; may be empty even when found
    // The name may still change: what names the program is still being read. The tracker
    // holds such seconds a while and has them settled before crediting them.
    bool provisional = false;
};

class IForegroundSampler {
  public:
    virtual ~IForegroundSampler() = default;
    virtual ForegroundSample Sample() = 0;
    // The executable's small icon; with useSampledWindow the last sampled window's own
    // icon serves as a fallback.
    virtual std::optional<IconImage> ExtractIcon(const std::string& path,
                                                 bool useSampledWindow) = 0;
    // Names a provisional sample as a sample taken now would be named; it stays provisional
    // while that cannot be told yet.
    virtual void Settle(ForegroundSample& sample) { (void)sample; }
    // Changes whenever icons that were missing may be found now.
    virtual int IconsRevision() { return 0; }
};
