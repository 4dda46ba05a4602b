// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DialogBarParts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <algorithm>

#include "controls/CImageButton.h"
#include "controls/DialogUnits.h"

CImageButton* DialogBarButton(const QString& caption, int icon, const QString& tip,
                              QWidget* parent) {
    auto* button = new CImageButton(caption, parent);
    button->SetUpForDialogBar(icon, tip);
    // At least the bar's 35 x 44 units (less the bar's rim), larger where the caption in the
    // desktop's font needs it.
    button->setFixedSize(std::max(DuX(35), button->sizeHint().width()),
                         std::max(DuY(44) - 4, button->sizeHint().height()));
    return button;
}

void DialogBarRadioPair(QWidget* bar, const QString& first, const QString& second,
                        QGridLayout* grid, int column, QRadioButton*& upper, QRadioButton*& lower) {
    upper = new QRadioButton(first, bar);
    lower = new QRadioButton(second, bar);
    auto* choice = new QButtonGroup(bar);
    choice->addButton(upper);
    choice->addButton(lower);
    upper->setChecked(true);
    grid->addWidget(upper, 0, column);
    grid->addWidget(lower, 1, column);
}
