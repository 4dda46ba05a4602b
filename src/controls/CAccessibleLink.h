// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class CHyperLink;

// A CHyperLink to assistive technology: role link, named by its text, described by its
// target, visited as "traversed"; Press follows it as a click does.
class CAccessibleLink : public QAccessibleWidget {
  public:
    explicit CAccessibleLink(CHyperLink* link);

    QString text(QAccessible::Text type) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

  private:
    CHyperLink* Link() const;
};
