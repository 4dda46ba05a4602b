#include "shell/CMainDialogBar.h"

#include <QHBoxLayout>

#include "controls/CDigitLabel.h"
#include "controls/CImageButton.h"
#include "controls/ControlResources.h"
#include "controls/DialogUnits.h"

namespace {

CImageButton* MakeButton(QWidget* parent, const QString& text, int icon, const QString& tip,
                         double x) {
    auto* button = new CImageButton(text, parent);
    button->SetUpForDialogBar(icon, tip);
    button->setFixedSize(DuX(x + 35) - DuX(x), DuY(44));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

CMainDialogBar::CMainDialogBar(QWidget* parent, IClock* clock) : QWidget(parent) {
    using namespace ControlResources;
    setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    setFixedHeight(DuY(44));
    setMinimumWidth(DuX(288));

    clock_ = new CDigitLabel(this, clock);
    clock_->setFixedSize(DuX(100), DuY(44));
    // Without its pictures the display stays a text label of the same size.
    clock_->Start(kClockBackground, kClockLargeDigits, kClockSmallDigits, true);
    liveGraph_ = MakeButton(this, QStringLiteral("&LiveGraph"), kLiveGraphIcon,
                            QStringLiteral("Show live graph"), 101);
    report_ = MakeButton(this, QStringLiteral("&Report"), kReportIcon,
                         QStringLiteral("Analyze and report"), 137);
    config_ = MakeButton(this, QStringLiteral("&Config"), kConfigIcon,
                         QStringLiteral("Configuration and preference"), 173);
    about_ = MakeButton(this, QStringLiteral("&About"), kAboutIcon,
                        QStringLiteral("About Hourglint"), 245);

    // Horizontal positions 0, 101, 137, 173 and 245 units; a gap where a fifth button
    // could go before About.
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(clock_);
    row->addSpacing(DuX(101) - DuX(100));
    row->addWidget(liveGraph_);
    row->addSpacing(DuX(137) - DuX(136));
    row->addWidget(report_);
    row->addSpacing(DuX(173) - DuX(172));
    row->addWidget(config_);
    row->addSpacing(DuX(245) - DuX(208));
    row->addWidget(about_);
    row->addStretch(1);

    connect(liveGraph_, &QAbstractButton::clicked, this, &CMainDialogBar::LiveGraphClicked);
    connect(report_, &QAbstractButton::clicked, this, &CMainDialogBar::ReportClicked);
    connect(config_, &QAbstractButton::clicked, this, &CMainDialogBar::ConfigClicked);
    connect(about_, &QAbstractButton::clicked, this, &CMainDialogBar::AboutClicked);
}
