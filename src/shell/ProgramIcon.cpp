// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ProgramIcon.h"

// The resources live in a static library; nothing would pull them in otherwise. Kept at
// global scope, as Q_INIT_RESOURCE requires.
static void InitResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(hourglint);
        return true;
    }();
    (void)done;
}

QIcon ProgramIcon() {
    InitResources();
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/hourglint-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
