// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class CDigitLabel;

// The digit clock to assistive technology: one text whose name stays put while the digits
// run. Its value, the date and the running time in words, is read on request through the
// text interface, the description and the value; no event is sent as it changes, so a
// screen reader is not made to speak every second.
class CAccessibleClock : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit CAccessibleClock(CDigitLabel* clock);

    QString text(QAccessible::Text type) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The text interface: the value, read-only, no selection.
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    QString Value() const;
};
