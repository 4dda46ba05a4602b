// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CReportDialogBar.h"

#include "controls/CCalendarKeys.h"
#include "controls/CImageButton.h"
#include "controls/ControlResources.h"
#include "controls/DateFormats.h"
#include "controls/DialogBarParts.h"
#include "controls/DialogUnits.h"
#include "controls/ReadingOrder.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

CReportDialogBar::CReportDialogBar(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(DuX(1), 2, DuX(2), 2);
    row->setSpacing(DuX(1));

    save_ = DialogBarButton(
        QCoreApplication::translate("CReportDialogBar", "&Save"), ControlResources::kSaveIcon,
        QCoreApplication::translate("CReportDialogBar", "Save the report as HTML file"), this);
    setGroup_ = DialogBarButton(
        QCoreApplication::translate("CReportDialogBar", "Set &Group"),
        ControlResources::kSetGroupIcon,
        QCoreApplication::translate("CReportDialogBar", "Manage groups and programs"), this);
    history_ = DialogBarButton(
        QCoreApplication::translate("CReportDialogBar", "H&istory"), ControlResources::kHistoryIcon,
        QCoreApplication::translate("CReportDialogBar", "The days around this one, and its hours"),
        this);
    row->addWidget(save_);
    row->addWidget(setGroup_);
    row->addWidget(history_);
    row->addSpacing(DuX(16));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(DuX(2));
    grid->setVerticalSpacing(0);
    grid->addWidget(new QLabel(QCoreApplication::translate("CReportDialogBar", "Show:"), this), 0,
                    0, 2, 1);
    DialogBarRadioPair(this, QCoreApplication::translate("CReportDialogBar", "Process"),
                       QCoreApplication::translate("CReportDialogBar", "Group"), grid, 1, process_,
                       group_);
    DialogBarRadioPair(this, QCoreApplication::translate("CReportDialogBar", "This computer"),
                       QCoreApplication::translate("CReportDialogBar", "All computers"), grid, 2,
                       thisComputer_, allComputers_);
    auto* dateLabel =
        new QLabel(QCoreApplication::translate("CReportDialogBar", "Set Date:"), this);
    grid->addWidget(dateLabel, 2, 0);
    date_ = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    dateLabel->setBuddy(date_);
    date_->setDisplayFormat(FourDigitYearFormat(QLocale()));
    date_->setCalendarPopup(true);
    date_->setMinimumWidth(DuX(65));
    date_->calendarWidget()->window()->installEventFilter(this);
    CCalendarKeys::Install(date_);
    // A step to the day before and after, beside the field.
    auto* day = new QHBoxLayout;
    day->setSpacing(1);
    previous_ = new QToolButton(this);
    previous_->setArrowType(Qt::LeftArrow);
    previous_->setToolTip(
        QCoreApplication::translate("CReportDialogBar", "Previous day (Alt+Left)"));
    previous_->setAccessibleName(QCoreApplication::translate("CReportDialogBar", "Previous day"));
    next_ = new QToolButton(this);
    next_->setArrowType(Qt::RightArrow);
    next_->setToolTip(QCoreApplication::translate("CReportDialogBar", "Next day (Alt+Right)"));
    next_->setAccessibleName(QCoreApplication::translate("CReportDialogBar", "Next day"));
    day->addWidget(previous_);
    day->addWidget(date_, 1);
    day->addWidget(next_);
    // The field was made before its arrows: Tab goes along them as they stand.
    setTabOrder(previous_, date_);
    setTabOrder(date_, next_);
    grid->addLayout(day, 2, 1, 1, 2);
    row->addLayout(grid);
    row->addSpacing(DuX(19));

    refresh_ = new QPushButton(QCoreApplication::translate("CReportDialogBar", "&Refresh"), this);
    refresh_->setMinimumSize(std::max(DuX(50), refresh_->sizeHint().width()), DuY(14));
    row->addWidget(refresh_, 0, Qt::AlignVCenter);
    // Outside a dialog Qt's buttons take only Space; Return presses them too.
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(previous_), static_cast<QAbstractButton*>(next_),
          static_cast<QAbstractButton*>(refresh_)}) {
        button->installEventFilter(this);
    }
    row->addStretch(1);
    KeepReadingOrder(*this);
}

bool CReportDialogBar::eventFilter(QObject* watched, QEvent* event) {
    // The calendar's popup is watched for its showing, the buttons for their keys.
    const bool isPopup = static_cast<QWidget*>(watched)->windowType() == Qt::Popup;
    if (event->type() == QEvent::KeyPress && !isPopup) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!key->isAutoRepeat()) {
                static_cast<QAbstractButton*>(watched)->click();
            }
            return true;
        }
    }
    if (event->type() == QEvent::Show && isPopup) {
        auto* popup = static_cast<QWidget*>(watched);
        QPoint corner = date_->mapToGlobal(date_->rect().bottomRight());
        corner.rx() -= popup->width() - 1;
        corner.ry() += 1;
        // Kept on the screen, as the field's own placement would be.
        if (const QScreen* screen = date_->screen()) {
            const QRect room = screen->availableGeometry();
            corner.setX(
                std::max(room.left(), std::min(corner.x(), room.right() - popup->width() + 1)));
            if (corner.y() + popup->height() > room.bottom() + 1) {
                corner.setY(date_->mapToGlobal(QPoint(0, 0)).y() - popup->height());
            }
        }
        popup->move(corner);
    }
    return QWidget::eventFilter(watched, event);
}
