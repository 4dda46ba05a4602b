// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's own icon, in the sizes the resources carry.
QIcon ProgramIcon();
