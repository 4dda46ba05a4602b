#include "report/CReportDialogBar.h"

#include <QButtonGroup>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

namespace {

// Dialog units of the 8-point dialog font at 96 dpi.
int Dx(int units) {
    return units * 3 / 2;
}
int Dy(int units) {
    return units * 13 / 8;
}

QPushButton* BarButton(const QString& caption, const QString& tip, QStyle::StandardPixmap icon,
                       QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(tip);
    button->setIcon(parent->style()->standardIcon(icon));
    // At least the bar's 35 units, wider where the caption needs it.
    button->setFixedSize(std::max(Dx(35), button->sizeHint().width()), Dy(44) - 4);
    return button;
}

}  // namespace

CReportDialogBar::CReportDialogBar(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(Dx(1), 2, Dx(2), 2);
    row->setSpacing(Dx(1));

    save_ = BarButton(QStringLiteral("&Save"), QStringLiteral("Save the report as HTML file"),
                      QStyle::SP_DialogSaveButton, this);
    setGroup_ =
        BarButton(QStringLiteral("Set &Group"), QStringLiteral("Manage groups and programs"),
                  QStyle::SP_FileDialogDetailedView, this);
    row->addWidget(save_);
    row->addWidget(setGroup_);
    row->addSpacing(Dx(30));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Dx(2));
    grid->setVerticalSpacing(0);
    grid->addWidget(new QLabel(QStringLiteral("Show:"), this), 0, 0, 2, 1);
    process_ = new QRadioButton(QStringLiteral("Process"), this);
    group_ = new QRadioButton(QStringLiteral("Group"), this);
    auto* modes = new QButtonGroup(this);
    modes->addButton(process_);
    modes->addButton(group_);
    process_->setChecked(true);
    grid->addWidget(process_, 0, 1);
    grid->addWidget(group_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Set Date:"), this), 2, 0);
    date_ = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    date_->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    date_->setCalendarPopup(true);
    date_->setMinimumWidth(Dx(65));
    grid->addWidget(date_, 2, 1);
    row->addLayout(grid);
    row->addSpacing(Dx(19));

    refresh_ = new QPushButton(QStringLiteral("&Refresh"), this);
    refresh_->setFixedSize(Dx(50), Dy(14));
    row->addWidget(refresh_, 0, Qt::AlignVCenter);
    row->addStretch(1);
}
