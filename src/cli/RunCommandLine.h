// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CCommandLine.h"

// Carries out every action but Start: help, version, bad use and the report, on the
// terminal and without a display. Returns the exit status.
int RunCommandLine(const CCommandLine& commandLine, int& argc, char** argv);
