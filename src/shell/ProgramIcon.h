#pragma once

#include <QIcon>

// The program's own icon, in the sizes the resources carry.
QIcon ProgramIcon();
