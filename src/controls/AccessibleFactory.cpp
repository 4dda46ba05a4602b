// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/AccessibleFactory.h"

#include <QAccessible>

#include "controls/CAccessibleClock.h"
#include "controls/CAccessibleLink.h"
#include "controls/CAccessibleTable.h"
#include "controls/CDigitLabel.h"
#include "controls/CHyperLink.h"
#include "controls/IAccessibleTable.h"

namespace {

QAccessibleInterface* MakeInterface(const QString& /*className*/, QObject* object) {
    // Asked with the most derived class first: the first answer is the widget's own.
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (auto* link = qobject_cast<CHyperLink*>(widget)) {
        return new CAccessibleLink(link);
    }
    if (auto* clock = dynamic_cast<CDigitLabel*>(widget)) {
        return new CAccessibleClock(clock);
    }
    if (const auto* table = dynamic_cast<const IAccessibleTable*>(widget)) {
        return new CAccessibleTable(widget, *table);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeInterface);
        return true;
    }();
    (void)installed;
}
