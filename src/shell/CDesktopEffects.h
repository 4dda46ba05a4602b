// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "core/CAppSettings.h"
#include "platform/desktop/CAutorun.h"

// What the Options dialog's OK changes on the desktop: the autorun entry and the main
// window's opacity.
class CDesktopEffects : public ISettingsEffects {
  public:
    CDesktopEffects(QWidget& window, CAutorun autorun);

    void SetAutorun(bool enable) override;
    bool AutorunEnabled() const override;
    void ApplyOpacity(uint8_t alpha) override;

  private:
    QWidget& window_;
    CAutorun autorun_;
};
