// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mutex>
#include <string>

#include "core/CGraphInputData.h"

// Hands the program credited by the last one-second step over to the live graph. The name
// is both key and label; before the first step it is empty with no icon (-1).
class CLiveInputData : public CGraphInputData {
  public:
    void SetCurrent(const std::string& name, int icon);
    // Away from the computer: no bar until the next SetCurrent.
    void SetNone();
    bool GetCurrent(std::string& label, std::string& key, int& icon) override;

  private:
    std::mutex lock_;
    std::string name_;
    int icon_ = -1;
    bool present_ = true;
};
