// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CAccessibleLink.h"

#include "controls/CHyperLink.h"

CAccessibleLink::CAccessibleLink(CHyperLink* link) : QAccessibleWidget(link, QAccessible::Link) {}

CHyperLink* CAccessibleLink::Link() const {
    return static_cast<CHyperLink*>(widget());
}

QString CAccessibleLink::text(QAccessible::Text type) const {
    const CHyperLink* link = Link();
    switch (type) {
        case QAccessible::Name:
            return link->accessibleName().isEmpty() ? link->text() : link->accessibleName();
        case QAccessible::Value:
            return link->Target();
        default:
            return QAccessibleWidget::text(type);
    }
}

QAccessible::State CAccessibleLink::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    state.traversed = Link()->IsVisited();
    return state;
}

QStringList CAccessibleLink::actionNames() const {
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void CAccessibleLink::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        Link()->Follow();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList CAccessibleLink::keyBindingsForAction(const QString& actionName) const {
    return actionName == pressAction() ? QStringList(QStringLiteral("Return"))
                                       : QAccessibleWidget::keyBindingsForAction(actionName);
}
