// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>

// Fusion's style with a dark palette, the dark desktop the tests and their screenshots show.
QPalette DarkTestPalette();

// With HOURGLINT_TEST_PALETTE=dark in the environment (the tests' switch, nothing a user
// sets), the application takes Fusion and DarkTestPalette. Call once the application exists.
void ApplyTestPalette();
