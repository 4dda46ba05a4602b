// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The user preferences of the "Config" group.
struct SettingsValues {
    bool bRunOnWindowsStartup = true;
    bool bMinimizeOnStartup = false;
    bool bLoadDbOnStartup = true;
    int iAutoSave = 10;           // seconds
    uint8_t iALPHA = 200;         // 255 = opaque
    int iAlarmForMinutes = 120;   // minutes
    bool bPauseWhenIdle = false;  // stop counting after iIdleMinutes without input
    int iIdleMinutes = 5;
    bool bAlarmNotify = true;  // a desktop notification for each alarm

    bool operator==(const SettingsValues&) const = default;
};
