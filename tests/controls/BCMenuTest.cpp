// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QImage>
#include <QStyleOptionMenuItem>

#include "ControlsTest.h"
#include "controls/BCMenu.h"
#include "controls/BCMenuStyle.h"
#include "controls/ControlResources.h"

namespace {

using Look = BCMenu::Look;
using BCMenuTest = ControlsTest;

TEST_F(BCMenuTest, LookIsClassicOnFewColoursOrTheClassicStyle) {
    struct Case {
        int depth;
        const char* style;
        Look look;
    };
    const Case cases[] = {
        {24, "Fusion", Look::Flat},     {32, "windowsvista", Look::Flat},
        {8, "Fusion", Look::Classic},   {4, "Fusion", Look::Classic},
        {24, "Windows", Look::Classic}, {16, "windows", Look::Classic},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BCMenu::ChooseLook(c.depth, QString::fromLatin1(c.style)), c.look)
            << c.depth << " " << c.style;
    }
}

TEST_F(BCMenuTest, ItemsGetTheirToolbarPicturesAndMeasureByTheLook) {
    BCMenu menu;
    QAction* show = menu.AppendItem(QStringLiteral("&Hide Hourglint"), 32772);
    QAction* separator = menu.addSeparator();
    QAction* plain = menu.AppendItem(QStringLiteral("Other"), 1);
    QAction* exit = menu.AppendItem(QStringLiteral("E&xit"), 32783);
    ASSERT_TRUE(
        menu.LoadToolbar(ControlResources::kTrayToolbar, ControlResources::kTrayToolbarCommands));
    EXPECT_FALSE(show->icon().isNull());
    EXPECT_FALSE(exit->icon().isNull());
    EXPECT_TRUE(plain->icon().isNull());
    // The toolbar's grey is transparent.
    const QImage picture = exit->icon().pixmap(QSize(16, 15)).toImage();
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    EXPECT_FALSE(menu.LoadToolbar(9999, ControlResources::kTrayToolbarCommands));

    ASSERT_TRUE(menu.SetItemText(0, QStringLiteral("&Show Hourglint")));
    EXPECT_EQ(show->text(), "&Show Hourglint");

    QStyleOptionMenuItem item;
    item.font = menu.font();
    item.menuItemType = QStyleOptionMenuItem::Separator;
    const int menuHeight = BCMenuStyle::MenuHeight(QFontMetrics(menu.font()));
    for (const Look look : {Look::Flat, Look::Classic}) {
        menu.ForceLook(look);
        item.menuItemType = QStyleOptionMenuItem::Separator;
        EXPECT_GE(menu.style()->sizeFromContents(QStyle::CT_MenuItem, &item, {}, &menu).height(),
                  menuHeight / 2);
        item.menuItemType = QStyleOptionMenuItem::Normal;
        item.text = QStringLiteral("E&xit");
        const int textWidth = QFontMetrics(menu.font()).horizontalAdvance(QStringLiteral("Exit"));
        const QSize size = menu.style()->sizeFromContents(QStyle::CT_MenuItem, &item, {}, &menu);
        EXPECT_EQ(size.width(), look == Look::Flat ? textWidth + 16 + 7 + 8 : textWidth + 33);
        EXPECT_GE(size.height(), look == Look::Flat ? 22 : 19);
    }
    EXPECT_GE(menu.actionGeometry(separator).height(), menuHeight / 2);  // not dropped

    // Disabled and checked items draw in both looks.
    exit->setEnabled(false);
    plain->setCheckable(true);
    plain->setChecked(true);
    for (const Look look : {Look::Flat, Look::Classic}) {
        menu.ForceLook(look);
        menu.adjustSize();
        EXPECT_FALSE(menu.grab().isNull());
    }
}

TEST_F(BCMenuTest, LightenMovesEachChannelTowardsWhite) {
    EXPECT_EQ(BCMenuStyle::Lighten(QColor(0, 100, 255), 0.7), QColor(178, 208, 255));
    EXPECT_EQ(BCMenuStyle::Lighten(QColor(49, 106, 197), 0.85), QColor(224, 232, 246));
}

}  // namespace
