// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CLiveInputData.h"

void CLiveInputData::SetCurrent(const std::string& name, int icon) {
    std::lock_guard<std::mutex> guard(lock_);
    name_ = name;
    icon_ = icon;
    present_ = true;
}

void CLiveInputData::SetNone() {
    std::lock_guard<std::mutex> guard(lock_);
    present_ = false;
}

bool CLiveInputData::GetCurrent(std::string& label, std::string& key, int& icon) {
    // Both sides run on the GUI thread today; the lock keeps a reader safe should the
    // writer ever move to another thread.
    std::lock_guard<std::mutex> guard(lock_);
    label = name_;
    key = name_;
    icon = icon_;
    return present_;
}
