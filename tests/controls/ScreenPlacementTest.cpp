// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ScreenPlacement.h"

#include <gtest/gtest.h>

TEST(ScreenPlacement, WindowsOffTheScreenAreMovedInAndShrunkOnlyWhenTooLarge) {
    const QRect screen(0, 0, 1280, 1000);
    struct Case {
        QRect wanted;
        QRect placed;
    };
    const Case cases[] = {
        {{200, 100, 700, 800}, {200, 100, 700, 800}},  // fits: unchanged
        {{202, 289, 700, 800}, {202, 200, 700, 800}},  // below the bottom edge
        {{-300, 50, 700, 800}, {0, 50, 700, 800}},     // left of the screen
        {{900, 50, 700, 800}, {580, 50, 700, 800}},    // right of the screen
        {{10, 10, 1500, 1200}, {0, 0, 1280, 1000}},    // larger than the screen
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeepOnScreen(c.wanted, screen), c.placed);
    }
    EXPECT_EQ(KeepOnScreen(QRect(5, 5, 10, 10), QRect()), QRect(5, 5, 10, 10));
}
