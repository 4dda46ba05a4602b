// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CAppSettings.h"

#include <limits>
#include <optional>

#include "core/ISettingsStore.h"

namespace {

const char* const kRunOnStartup = "bRunOnWindowsStartup";
const char* const kMinimizeOnStartup = "bMinimizeOnStartup";
const char* const kLoadDbOnStartup = "bLoadDbOnStartup";
const char* const kAutoSave = "iAutoSave";
const char* const kAlpha = "iALPHA";
const char* const kAlarmForMinutes = "iAlarmForMinutes";
const char* const kPauseWhenIdle = "bPauseWhenIdle";
const char* const kIdleMinutes = "iIdleMinutes";
const char* const kAlarmNotify = "bAlarmNotify";

bool ReadBool(const ISettingsStore& store, const char* name, bool fallback) {
    const std::optional<long long> value = store.ReadInt(name);
    return value ? *value != 0 : fallback;
}

// Taken as stored; only a value beyond int (a hand-edited file) is held at the int limits
// instead of wrapping round to an unrelated number.
int ReadInt(const ISettingsStore& store, const char* name, int fallback) {
    const std::optional<long long> value = store.ReadInt(name);
    if (!value) return fallback;
    if (*value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (*value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(*value);
}

}  // namespace

// Current values start as the defaults rather than zero: nothing reads them before Load,
// and a settings object that is never loaded (tests, benchmarks) still behaves sanely.
CAppSettings::CAppSettings() : current_(), defaults_() {}

void CAppSettings::Load(const ISettingsStore& store) {
    current_.bRunOnWindowsStartup = ReadBool(store, kRunOnStartup, defaults_.bRunOnWindowsStartup);
    current_.bMinimizeOnStartup = ReadBool(store, kMinimizeOnStartup, defaults_.bMinimizeOnStartup);
    current_.bLoadDbOnStartup = ReadBool(store, kLoadDbOnStartup, defaults_.bLoadDbOnStartup);
    current_.iAutoSave = ReadInt(store, kAutoSave, defaults_.iAutoSave);
    const std::optional<long long> alpha = store.ReadInt(kAlpha);
    current_.iALPHA = alpha ? static_cast<uint8_t>(*alpha & 0xFF) : defaults_.iALPHA;
    current_.iAlarmForMinutes = ReadInt(store, kAlarmForMinutes, defaults_.iAlarmForMinutes);
    current_.bPauseWhenIdle = ReadBool(store, kPauseWhenIdle, defaults_.bPauseWhenIdle);
    current_.iIdleMinutes = ReadInt(store, kIdleMinutes, defaults_.iIdleMinutes);
    current_.bAlarmNotify = ReadBool(store, kAlarmNotify, defaults_.bAlarmNotify);
}

void CAppSettings::Apply(const SettingsValues& edited, ISettingsEffects& effects,
                         ISettingsStore& store) {
    // Against the entry itself, not the stored value: they part when the entry was never
    // written or was edited by hand, and OK must leave the two alike.
    if (edited.bRunOnWindowsStartup != effects.AutorunEnabled()) {
        effects.SetAutorun(edited.bRunOnWindowsStartup);
    }
    if (edited.iALPHA != current_.iALPHA) {
        effects.ApplyOpacity(edited.iALPHA);
    }
    current_ = edited;
    store.WriteInt(kRunOnStartup, current_.bRunOnWindowsStartup ? 1 : 0);
    store.WriteInt(kMinimizeOnStartup, current_.bMinimizeOnStartup ? 1 : 0);
    store.WriteInt(kLoadDbOnStartup, current_.bLoadDbOnStartup ? 1 : 0);
    store.WriteInt(kAutoSave, current_.iAutoSave);
    store.WriteInt(kAlpha, current_.iALPHA);
    store.WriteInt(kAlarmForMinutes, current_.iAlarmForMinutes);
    store.WriteInt(kPauseWhenIdle, current_.bPauseWhenIdle ? 1 : 0);
    store.WriteInt(kIdleMinutes, current_.iIdleMinutes);
    store.WriteInt(kAlarmNotify, current_.bAlarmNotify ? 1 : 0);
}

int CAppSettings::IdleMinutes() const {
    // like the alarm step: a hand-edited 0 or less would pause at once
    return current_.iIdleMinutes > 0 ? current_.iIdleMinutes : defaults_.iIdleMinutes;
}

int CAppSettings::AlarmStepMinutes() const {
    // a step of 0 or less can only come from a hand-edited value and would divide by zero
    return current_.iAlarmForMinutes > 0 ? current_.iAlarmForMinutes : defaults_.iAlarmForMinutes;
}

void CAppSettings::SetProgramFolder(const std::string& folder) {
    programFolder_ = folder;
    if (programFolder_.empty() || programFolder_.back() != '/') {
        programFolder_ += '/';
    }
    databasePath_ = programFolder_ + "HG.mdb";
}

CAppSettings& TheSettings() {
    static CAppSettings settings;
    return settings;
}
