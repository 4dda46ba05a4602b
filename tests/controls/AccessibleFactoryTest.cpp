// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QStringList>
#include <QWidget>

#include "ControlsTest.h"
#include "LocalInstant.h"
#include "controls/AccessibleFactory.h"
#include "controls/CDigitLabel.h"
#include "controls/CHyperLink.h"
#include "controls/IAccessibleTable.h"
#include "core/IClock.h"

namespace {

class FixedClock : public IClock {
  public:
    int64_t Now() override { return LocalInstant(2026, 12, 9, 0, 0, 0); }
};

// Two rows of two columns, as a drawn chart would give them.
class TwoByTwo : public QWidget, public IAccessibleTable {
  public:
    int AccessibleRowCount() const override { return 2; }
    int AccessibleColumnCount() const override { return 2; }
    QString AccessibleHeading(int column) const override { return column == 0 ? "Name" : "Today"; }
    QString AccessibleCell(int row, int column) const override {
        return QStringList{"firefox", "3600", "xterm", "1800"}.value(row * 2 + column);
    }
};

using AccessibleFactoryTest = ControlsTest;

TEST_F(AccessibleFactoryTest, DrawnControlsGetTheirRolesAndContent) {
    InstallAccessibleFactory();
    CHyperLink link(QStringLiteral("support@example.org"));
    link.SetTarget(QStringLiteral("mailto:support@example.org"));
    FixedClock clock;
    CDigitLabel digits(nullptr, &clock);
    TwoByTwo chart;

    QAccessibleInterface* linkFace = QAccessible::queryAccessibleInterface(&link);
    ASSERT_NE(linkFace, nullptr);
    EXPECT_EQ(linkFace->role(), QAccessible::Link);
    EXPECT_EQ(linkFace->text(QAccessible::Name), "support@example.org");
    EXPECT_EQ(linkFace->text(QAccessible::Value), "mailto:support@example.org");
    EXPECT_TRUE(linkFace->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));

    // One name while the digits run; the value in words through text and description.
    QAccessibleInterface* clockFace = QAccessible::queryAccessibleInterface(&digits);
    ASSERT_NE(clockFace, nullptr);
    const QString name = clockFace->text(QAccessible::Name);
    digits.SetText("00:00:09");
    EXPECT_EQ(clockFace->text(QAccessible::Name), name);
    EXPECT_FALSE(name.isEmpty());
    EXPECT_EQ(clockFace->text(QAccessible::Description),
              "9 December 2026, 0 hours 0 minutes 9 seconds");
    ASSERT_NE(clockFace->textInterface(), nullptr);
    EXPECT_EQ(clockFace->textInterface()->text(0, -1), clockFace->text(QAccessible::Description));

    QAccessibleInterface* chartFace = QAccessible::queryAccessibleInterface(&chart);
    ASSERT_NE(chartFace, nullptr);
    EXPECT_EQ(chartFace->role(), QAccessible::Table);
    QAccessibleTableInterface* table = chartFace->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->cellAt(1, 1)->text(QAccessible::Name), "1800");
    EXPECT_EQ(table->columnDescription(1), "Today");
    // Headings first, then the cells row by row; every child knows its place.
    ASSERT_EQ(chartFace->childCount(), 6);
    EXPECT_EQ(chartFace->child(0)->role(), QAccessible::ColumnHeader);
    for (int i = 0; i < chartFace->childCount(); ++i) {
        EXPECT_EQ(chartFace->indexOfChild(chartFace->child(i)), i);
    }
}

}  // namespace
