// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

#include "core/ISettingsStore.h"

// The "Config" group of QSettings("Hourglint", "Hourglint"): the registry key
// HKCU\Software\Hourglint\Hourglint on Windows, ~/.config/Hourglint/Hourglint.conf here.
class CQtSettingsStore : public ISettingsStore {
  public:
    CQtSettingsStore();

    std::optional<long long> ReadInt(const std::string& name) const override;
    // Written through at once, so a crash later loses no confirmed setting.
    void WriteInt(const std::string& name, long long value) override;
    std::optional<std::string> ReadText(const std::string& name) const override;
    void WriteText(const std::string& name, const std::string& value) override;

    QString FileName() const { return settings_.fileName(); }

  private:
    mutable QSettings settings_;
};
