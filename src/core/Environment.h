// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The value of an environment variable; empty when it is not set.
std::string Env(const char* name);
// Whether the variable is set to something other than nothing.
bool EnvSet(const char* name);
