// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QDateTimeEdit;

// Opens a date field's calendar from the keyboard with Alt+Down or F4, as a date picker's
// drop-down opens; Qt's field opens it only on a click, and steps the date on Alt+Down.
class CCalendarKeys : public QObject {
  public:
    // Watches edit, which must have its calendar popup on; goes with it.
    static void Install(QDateTimeEdit* edit);
    // Shows edit's calendar under the field on the field's date, with the keyboard in it.
    // False when the field has no calendar or takes no input.
    static bool Open(QDateTimeEdit* edit);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit CCalendarKeys(QObject* parent) : QObject(parent) {}
};
