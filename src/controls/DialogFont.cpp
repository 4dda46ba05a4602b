// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DialogFont.h"

#include <QFont>
#include <QGuiApplication>
#include <QWidget>

bool DesktopGivesFont() {
    // A platform theme's font carries its size; without one Qt takes the font database's
    // default family alone.
    return (QGuiApplication::font().resolveMask() & QFont::SizeResolved) != 0;
}

void UseDialogFont(QWidget* widget) {
    if (!DesktopGivesFont()) {
        widget->setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    }
}
