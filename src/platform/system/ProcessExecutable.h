// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/IForegroundSampler.h"

// The executable of a process (/proc/PID/exe); nullopt when its link cannot be read (gone,
// or not ours to inspect).
std::optional<std::string> ExecutableOf(uint32_t pid);

// A sample from what a compositor told about its active window: the title cut to the
// sample's length, name and path from the process; processFound stays false when pid is 0
// or its executable cannot be read.
ForegroundSample ProcessSample(std::string_view title, uint32_t pid);

// Longest title a sample carries, in characters.
constexpr std::size_t kMaxSampleTitleChars = 99;
// Longest app id or WM class kept for the icon: it names a desktop entry's file, and a
// file name has at most 255 bytes.
constexpr std::size_t kMaxSampleAppIdChars = 255;
