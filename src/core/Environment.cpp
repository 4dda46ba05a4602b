// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Environment.h"

#include <cstdlib>

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool EnvSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}
