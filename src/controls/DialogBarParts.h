// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CImageButton;
class QGridLayout;
class QRadioButton;
class QWidget;

// The pieces the report's and History's bars are made of, alike in both.

// A drawn button of the bar's height: at least 35 units wide, wider where the caption
// needs it.
CImageButton* DialogBarButton(const QString& caption, int icon, const QString& tip,
                              QWidget* parent);

// Two exclusive choices stacked in one column of grid, the upper one chosen.
void DialogBarRadioPair(QWidget* bar, const QString& first, const QString& second,
                        QGridLayout* grid, int column, QRadioButton*& upper, QRadioButton*& lower);
