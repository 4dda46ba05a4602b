// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CMainDialogBar.h"

#include <QHBoxLayout>
#include <QSpacerItem>
#include <algorithm>

#include "controls/CDigitLabel.h"
#include "controls/CImageButton.h"
#include "controls/ControlResources.h"
#include "controls/DialogFont.h"
#include "controls/DialogUnits.h"

namespace {

CImageButton* MakeButton(QWidget* parent, const QString& text, int icon, const QString& tip,
                         double x) {
    auto* button = new CImageButton(text, parent);
    button->SetUpForDialogBar(icon, tip);
    // 35 x 44 units, larger where the caption in the desktop's font would not fit: every
    // caption keeps the bar's font size rather than one shrinking alone.
    button->setFixedSize(std::max(DuX(x + 35) - DuX(x), button->sizeHint().width()),
                         std::max(DuY(44), button->sizeHint().height()));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

CMainDialogBar::CMainDialogBar(QWidget* parent, IClock* clock) : QWidget(parent) {
    using namespace ControlResources;
    UseDialogFont(this);
    setMinimumWidth(DuX(288));

    clock_ = new CDigitLabel(this, clock);
    clock_->setFixedSize(DuX(100), DuY(44));
    // Without its pictures the display stays a text label of the same size.
    clock_->Start(kClockBackground, kClockLargeDigits, kClockSmallDigits,
                  LocaleDateOrder(QLocale()));
    liveGraph_ = MakeButton(this, tr("&LiveGraph"), kLiveGraphIcon, tr("Show live graph"), 101);
    report_ = MakeButton(this, tr("&Report"), kReportIcon, tr("Analyze and report"), 137);
    history_ = MakeButton(this, tr("H&istory"), kHistoryIcon,
                          tr("Where the days went: days and hours"), 173);
    config_ = MakeButton(this, tr("&Config"), kConfigIcon, tr("Configuration and preference"), 209);
    about_ = MakeButton(this, tr("&About"), kAboutIcon, tr("About Hourglint"), 245);

    // Horizontal positions 0, 101, 137, 173, 209 and 245 units. A widened button moves the
    // next ones right.
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(clock_);
    row->addSpacing(DuX(101) - DuX(100));
    row->addWidget(liveGraph_);
    const int gap = DuX(137) - DuX(136);
    row->addSpacing(gap);
    row->addWidget(report_);
    row->addSpacing(gap);
    row->addWidget(history_);
    row->addSpacing(gap);
    row->addWidget(config_);
    const int configRight = DuX(101) + liveGraph_->width() + gap + report_->width() + gap +
                            history_->width() + gap + config_->width();
    // About at 245 units where the window has room; closer where longer captions need it.
    row->addSpacing(gap);
    row->addSpacerItem(new QSpacerItem(std::max(0, DuX(245) - configRight - gap), 0,
                                       QSizePolicy::Preferred, QSizePolicy::Minimum));
    row->addWidget(about_);
    row->addStretch(1);
    // Never narrower than the clock and the buttons, which longer captions widen.
    setMinimumWidth(std::max(minimumWidth(), row->minimumSize().width()));

    // As tall as the buttons: 44 units, more for a large desktop font.
    setFixedHeight(std::max(DuY(44), liveGraph_->height()));

    connect(liveGraph_, &QAbstractButton::clicked, this, &CMainDialogBar::LiveGraphClicked);
    connect(report_, &QAbstractButton::clicked, this, &CMainDialogBar::ReportClicked);
    connect(history_, &QAbstractButton::clicked, this, &CMainDialogBar::HistoryClicked);
    connect(config_, &QAbstractButton::clicked, this, &CMainDialogBar::ConfigClicked);
    connect(about_, &QAbstractButton::clicked, this, &CMainDialogBar::AboutClicked);
}
