// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CAccessibleClock.h"

#include <algorithm>

#include "controls/CDigitLabel.h"

CAccessibleClock::CAccessibleClock(CDigitLabel* clock)
    : QAccessibleWidget(clock, QAccessible::StaticText) {}

QString CAccessibleClock::Value() const {
    return static_cast<const CDigitLabel*>(widget())->SpokenValue();
}

QString CAccessibleClock::text(QAccessible::Text type) const {
    switch (type) {
        case QAccessible::Name:
            // Never the label's text: that changes every second.
            return widget()->accessibleName();
        case QAccessible::Description:
        case QAccessible::Value:
            return Value();
        default:
            return QAccessibleWidget::text(type);
    }
}

void* CAccessibleClock::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void CAccessibleClock::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
}

QString CAccessibleClock::text(int startOffset, int endOffset) const {
    const QString value = Value();
    if (endOffset < 0 || endOffset > value.size()) {
        endOffset = static_cast<int>(value.size());
    }
    startOffset = std::clamp(startOffset, 0, endOffset);
    return value.mid(startOffset, endOffset - startOffset);
}

int CAccessibleClock::characterCount() const {
    return static_cast<int>(Value().size());
}

QString CAccessibleClock::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}
