// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The session bus name this copy of Hourglint takes on KWin and GNOME. It carries the
// process id, so the GNOME extension can tell Hourglint from other callers: the owner of
// the name built from a caller's pid must be that caller.
inline QString OwnBusName(qint64 pid) {
    return QStringLiteral("org.hourglint.Hourglint_%1").arg(pid);
}
