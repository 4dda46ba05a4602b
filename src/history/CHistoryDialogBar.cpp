// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/CHistoryDialogBar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <algorithm>

#include "controls/CCalendarKeys.h"
#include "controls/CImageButton.h"
#include "controls/ControlResources.h"
#include "controls/DateFormats.h"
#include "controls/DialogBarParts.h"
#include "controls/DialogUnits.h"
#include "controls/ReadingOrder.h"

CHistoryDialogBar::CHistoryDialogBar(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(DuX(1), 2, DuX(2), 2);
    row->setSpacing(DuX(1));

    save_ = DialogBarButton(tr("&Save"), ControlResources::kSaveIcon,
                            tr("Save the history as HTML file"), this);
    row->addWidget(save_);
    row->addSpacing(DuX(10));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(DuX(3));
    grid->setVerticalSpacing(0);
    grid->addWidget(new QLabel(tr("Show:"), this), 0, 0, 2, 1);
    DialogBarRadioPair(this, tr("&Process"), tr("&Group"), grid, 1, process_, group_);
    DialogBarRadioPair(this, tr("T&his computer"), tr("All &computers"), grid, 2, thisComputer_,
                       allComputers_);
    DialogBarRadioPair(this, tr("&Days"), tr("H&ours"), grid, 3, days_, hours_);
    for (QRadioButton* radio : {process_, group_, thisComputer_, allComputers_, days_, hours_}) {
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on) emit Changed();
        });
    }

    auto* rangeLabel = new QLabel(tr("&Range:"), this);
    range_ = new QComboBox(this);
    range_->addItems({tr("Last 7 days"), tr("Last 30 days"), tr("Last 90 days"),
                      tr("Last 365 days"), tr("This week"), tr("This month"), tr("Dates")});
    range_->setCurrentIndex(1);
    range_->view()->setAccessibleName(tr("Ranges"));
    rangeLabel->setBuddy(range_);
    grid->addWidget(rangeLabel, 0, 4, Qt::AlignRight);
    grid->addWidget(range_, 0, 5, 1, 3);
    const QString format = FourDigitYearFormat(QLocale());
    const QDate today = QDate::currentDate();
    from_ = new QDateEdit(today.addDays(-29), this);
    to_ = new QDateEdit(today, this);
    auto* fromLabel = new QLabel(tr("&From:"), this);
    auto* toLabel = new QLabel(tr("&To:"), this);
    fromLabel->setBuddy(from_);
    toLabel->setBuddy(to_);
    for (QDateEdit* edit : {from_, to_}) {
        edit->setDisplayFormat(format);
        edit->setCalendarPopup(true);
        CCalendarKeys::Install(edit);
        edit->setMinimumWidth(DuX(55));
        connect(edit, &QDateEdit::userDateChanged, this, [this] {
            // Two dates typed or picked make the range "Dates".
            if (range_->currentIndex() != kPresets) {
                const QSignalBlocker quiet(range_);
                range_->setCurrentIndex(kPresets);
            }
            emit Changed();
        });
    }
    grid->addWidget(fromLabel, 1, 4, Qt::AlignRight);
    grid->addWidget(from_, 1, 5);
    grid->addWidget(toLabel, 1, 6, Qt::AlignRight);
    grid->addWidget(to_, 1, 7);
    connect(range_, &QComboBox::activated, this, &CHistoryDialogBar::Changed);
    row->addLayout(grid);
    row->addStretch(1);
    KeepReadingOrder(*this);
}
