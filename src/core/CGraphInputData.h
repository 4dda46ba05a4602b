// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The live graph's data source: asked once a second for the item in front. Kept in core,
// where the one-second step that feeds it lives. False: nobody is in front, no bar.
class CGraphInputData {
  public:
    virtual ~CGraphInputData() = default;
    virtual bool GetCurrent(std::string& label, std::string& key, int& icon) = 0;
};
