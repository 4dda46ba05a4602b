// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/SettingsValues.h"

class ISettingsStore;

// What applying the Options dialog's result touches outside the settings themselves.
class ISettingsEffects {
  public:
    virtual ~ISettingsEffects() = default;
    virtual void SetAutorun(bool enable) = 0;
    // Whether the program really starts at logon now, whatever the stored value says.
    virtual bool AutorunEnabled() const = 0;
    virtual void ApplyOpacity(uint8_t alpha) = 0;
};

// The program's settings: current values, defaults, program folder and database path.
class CAppSettings {
  public:
    CAppSettings();

    // Reads the values; a missing value gives its default.
    void Load(const ISettingsStore& store);
    // The Options dialog's OK: autorun only when the entry differs from the edited value,
    // opacity only when it changed, then all values stored and written.
    void Apply(const SettingsValues& edited, ISettingsEffects& effects, ISettingsStore& store);

    const SettingsValues& Values() const { return current_; }
    const SettingsValues& Defaults() const { return defaults_; }
    // A usable alarm step in minutes: a stored value of 0 or less gives the default.
    int AlarmStepMinutes() const;
    // A usable idle pause in minutes: a stored value of 0 or less gives the default.
    int IdleMinutes() const;

    void SetProgramFolder(const std::string& folder);
    const std::string& ProgramFolder() const { return programFolder_; }
    const std::string& DatabasePath() const { return databasePath_; }

  private:
    SettingsValues current_;
    SettingsValues defaults_;
    std::string programFolder_;
    std::string databasePath_;
};

// The one settings object of the running program.
CAppSettings& TheSettings();
