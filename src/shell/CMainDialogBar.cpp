#include "shell/CMainDialogBar.h"

#include <QHBoxLayout>

#include "shell/CClockLabel.h"
#include "shell/DialogUnits.h"

namespace {

QPushButton* MakeButton(QWidget* parent, const QString& text, const QString& tip, double x) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(tip);
    button->setFixedSize(DuX(x + 35) - DuX(x), DuY(44));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

CMainDialogBar::CMainDialogBar(QWidget* parent) : QWidget(parent) {
    setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    setFixedHeight(DuY(44));
    setMinimumWidth(DuX(288));

    clock_ = new CClockLabel(this);
    clock_->setFixedSize(DuX(100), DuY(44));
    liveGraph_ =
        MakeButton(this, QStringLiteral("&LiveGraph"), QStringLiteral("Show live graph"), 101);
    report_ =
        MakeButton(this, QStringLiteral("&Report"), QStringLiteral("Analyze and report"), 137);
    config_ = MakeButton(this, QStringLiteral("&Config"),
                         QStringLiteral("Configuration and preference"), 173);
    about_ = MakeButton(this, QStringLiteral("&About"), QStringLiteral("About Hourglint"), 245);

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

    connect(liveGraph_, &QPushButton::clicked, this, &CMainDialogBar::LiveGraphClicked);
    connect(report_, &QPushButton::clicked, this, &CMainDialogBar::ReportClicked);
    connect(config_, &QPushButton::clicked, this, &CMainDialogBar::ConfigClicked);
    connect(about_, &QPushButton::clicked, this, &CMainDialogBar::AboutClicked);
}
