// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "livegraph/CGraphOneLiveView.h"

class CLiveInputData;

// The lane timeline of the programs in front, in this program's colours and title.
class CLiveView : public CGraphOneLiveView {
    Q_OBJECT
  public:
    CLiveView(CLiveInputData* input, const IGraphImageList* images, QWidget* parent = nullptr);
};
