// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CCalendarKeys.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

void CCalendarKeys::Install(QDateTimeEdit* edit) {
    edit->installEventFilter(new CCalendarKeys(edit));
    // Said where the mouse user sees the arrow, and read out with the field.
    if (edit->toolTip().isEmpty()) {
        edit->setToolTip(
            QCoreApplication::translate("CCalendarKeys", "Alt+Down or F4 opens the calendar."));
    }
}

bool CCalendarKeys::Open(QDateTimeEdit* edit) {
    if (!edit->isEnabled() || edit->isReadOnly() || !edit->calendarPopup()) {
        return false;
    }
    // Asking for the calendar also sets it to the field's date and range.
    QCalendarWidget* calendar = edit->calendarWidget();
    if (calendar == nullptr || calendar->window() == edit->window()) {
        return false;
    }
    QWidget* popup = calendar->window();
    // Below the field, or above it where the screen ends, as a click would place it.
    const QSize size = popup->sizeHint();
    QPoint at = edit->mapToGlobal(edit->rect().bottomLeft()) + QPoint(0, 1);
    if (const QScreen* screen = edit->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::max(room.left(), std::min(at.x(), room.right() - size.width() + 1)));
        if (at.y() + size.height() > room.bottom() + 1) {
            at.setY(edit->mapToGlobal(QPoint(0, 0)).y() - size.height());
        }
    }
    popup->move(at);
    popup->show();
    calendar->setFocus(Qt::PopupFocusReason);
    return true;
}

bool CCalendarKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        const bool opens = (key->key() == Qt::Key_Down && mods == Qt::AltModifier) ||
                           (key->key() == Qt::Key_F4 && mods == Qt::NoModifier);
        if (opens && Open(static_cast<QDateTimeEdit*>(watched))) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
