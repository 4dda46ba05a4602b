// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>

#include "ControlsTest.h"
#include "LocalInstant.h"
#include "controls/AccessibleFactory.h"
#include "controls/CDigitLabel.h"
#include "core/IClock.h"

namespace {

class FixedClock : public IClock {
  public:
    int64_t Now() override { return LocalInstant(2026, 12, 9, 0, 0, 0); }
};

using AccessibleFactoryTest = ControlsTest;

TEST_F(AccessibleFactoryTest, TheClockKeepsItsNameAndSaysItsValueInWords) {
    InstallAccessibleFactory();
    FixedClock clock;
    CDigitLabel digits(nullptr, &clock);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&digits);
    const QString name = face->text(QAccessible::Name);
    digits.SetText("00:00:09");
    EXPECT_EQ(face->text(QAccessible::Name), name);
    EXPECT_EQ(face->textInterface()->text(0, -1), "9 December 2026, 0 hours 0 minutes 9 seconds");
}

}  // namespace
