// SPDX-License-Identifier: GPL-3.0-or-later
#include "livegraph/CLiveView.h"

#include "core/CLiveInputData.h"

CLiveView::CLiveView(CLiveInputData* input, const IGraphImageList* images, QWidget* parent)
    : CGraphOneLiveView(parent) {
    Configure(QColor(0, 0, 0), QColor(0, 0, 255), QColor(238, 60, 29), QColor(238, 60, 29), 5, 5,
              10, 5, 18, 18, tr("Live Graph of Hourglint"), input, images);
}
