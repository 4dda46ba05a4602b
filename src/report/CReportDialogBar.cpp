#include "report/CReportDialogBar.h"

#include "controls/CImageButton.h"
#include "controls/ControlResources.h"
#include "controls/DialogUnits.h"

#include <QButtonGroup>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {

CImageButton* BarButton(const QString& caption, int icon, const QString& tip, QWidget* parent) {
    auto* button = new CImageButton(caption, parent);
    button->SetUpForDialogBar(icon, tip);
    // At least the bar's 35 units, wider where the caption needs it.
    button->setFixedSize(std::max(DuX(35), button->sizeHint().width()), DuY(44) - 4);
    return button;
}

}  // namespace

void CReportDialogBar::RadioPair(const QString& first, const QString& second, QGridLayout* grid,
                                 int column, QRadioButton*& upper, QRadioButton*& lower) {
    upper = new QRadioButton(first, this);
    lower = new QRadioButton(second, this);
    auto* choice = new QButtonGroup(this);
    choice->addButton(upper);
    choice->addButton(lower);
    upper->setChecked(true);
    grid->addWidget(upper, 0, column);
    grid->addWidget(lower, 1, column);
}

CReportDialogBar::CReportDialogBar(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(DuX(1), 2, DuX(2), 2);
    row->setSpacing(DuX(1));

    save_ = BarButton(QStringLiteral("&Save"), ControlResources::kSaveIcon,
                      QStringLiteral("Save the report as HTML file"), this);
    setGroup_ = BarButton(QStringLiteral("Set &Group"), ControlResources::kSetGroupIcon,
                          QStringLiteral("Manage groups and programs"), this);
    row->addWidget(save_);
    row->addWidget(setGroup_);
    row->addSpacing(DuX(30));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(DuX(2));
    grid->setVerticalSpacing(0);
    grid->addWidget(new QLabel(QStringLiteral("Show:"), this), 0, 0, 2, 1);
    RadioPair(QStringLiteral("Process"), QStringLiteral("Group"), grid, 1, process_, group_);
    RadioPair(QStringLiteral("This computer"), QStringLiteral("All computers"), grid, 2,
              thisComputer_, allComputers_);
    grid->addWidget(new QLabel(QStringLiteral("Set Date:"), this), 2, 0);
    date_ = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    date_->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    date_->setCalendarPopup(true);
    date_->setMinimumWidth(DuX(65));
    grid->addWidget(date_, 2, 1);
    row->addLayout(grid);
    row->addSpacing(DuX(19));

    refresh_ = new QPushButton(QStringLiteral("&Refresh"), this);
    refresh_->setFixedSize(DuX(50), DuY(14));
    row->addWidget(refresh_, 0, Qt::AlignVCenter);
    row->addStretch(1);
}
