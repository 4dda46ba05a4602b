// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CDesktopEffects.h"

#include <utility>

CDesktopEffects::CDesktopEffects(QWidget& window, CAutorun autorun)
    : window_(window), autorun_(std::move(autorun)) {}

void CDesktopEffects::SetAutorun(bool enable) {
    // An entry that cannot be written changes nothing; the setting is still saved.
    autorun_.Set(enable);
}

bool CDesktopEffects::AutorunEnabled() const {
    return autorun_.IsEnabled();
}

void CDesktopEffects::ApplyOpacity(uint8_t alpha) {
    window_.setWindowOpacity(alpha / 255.0);
}
