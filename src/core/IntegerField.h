// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// Validation of a digits-only dialog field. Returns the value, or sets message to
// "Please enter an integer." / "Please enter an integer between lo and hi.".
std::optional<int> ParseIntegerField(const std::string& text, int lo, int hi, std::string& message);
