// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>

#include "platform/desktop/IconScale.h"

namespace {

TEST(X11IconScaleTest, KeepsAspectAndCentresOnTransparency) {
    QImage wide(32, 16, QImage::Format_ARGB32);
    wide.fill(QColor(255, 0, 0));
    const IconImage icon = ProgramIconFromImage(wide);
    ASSERT_EQ(icon.width, 16);
    ASSERT_EQ(icon.height, 16);
    ASSERT_EQ(icon.argb.size(), 256u);
    EXPECT_EQ(icon.argb[0 * 16 + 8], 0u);           // above the band
    EXPECT_EQ(icon.argb[8 * 16 + 8], 0xFFFF0000u);  // inside it
    EXPECT_EQ(icon.argb[15 * 16 + 8], 0u);          // below it
}

TEST(X11IconScaleTest, KeepsStraightAlphaAt16) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(0, 0, 255, 128));
    const IconImage icon = ProgramIconFromImage(image);
    ASSERT_FALSE(icon.IsNull());
    EXPECT_EQ(icon.argb[0], 0x800000FFu);
    EXPECT_TRUE(ProgramIconFromImage(QImage()).IsNull());
}

// Icons are kept at the lists' 16 pixels times the finest screen's ratio.
TEST(X11IconScaleTest, FollowsTheScreensRatio) {
    const std::pair<double, int> sizes[] = {{1, 16}, {1.25, 32}, {1.5, 32},
                                            {2, 32}, {3, 64},    {4, 64}};
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(QColor(0, 0, 255));
    for (const auto& [ratio, side] : sizes) {
        SetProgramIconRatio(ratio);
        EXPECT_EQ(ProgramIconFromImage(image).width, side) << ratio;
    }
    SetProgramIconRatio(1);
}

}  // namespace
