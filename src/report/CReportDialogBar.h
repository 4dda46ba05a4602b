// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QDateTimeEdit;
class QGridLayout;
class QPushButton;
class QRadioButton;
class QToolButton;

// The bar across the top of the report window: Save, Set Group, History, the mode, the day
// with a step to the day before and after, and Refresh, in the order and grouping of the
// original 276 x 44 unit bar.
class CReportDialogBar : public QWidget {
  public:
    explicit CReportDialogBar(QWidget* parent = nullptr);

    QPushButton& SaveButton() { return *save_; }
    QPushButton& SetGroupButton() { return *setGroup_; }
    QPushButton& HistoryButton() { return *history_; }
    QToolButton& PreviousDayButton() { return *previous_; }
    QToolButton& NextDayButton() { return *next_; }
    QRadioButton& ProcessRadio() { return *process_; }
    QRadioButton& GroupRadio() { return *group_; }
    QRadioButton& ThisComputerRadio() { return *thisComputer_; }
    QRadioButton& AllComputersRadio() { return *allComputers_; }
    QDateTimeEdit& DatePicker() { return *date_; }
    QPushButton& RefreshButton() { return *refresh_; }

  protected:
    // Drops the calendar down right-aligned with the date field; Return presses the arrows
    // and Refresh.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPushButton* save_;
    QPushButton* setGroup_;
    QPushButton* history_;
    QToolButton* previous_;
    QToolButton* next_;
    QRadioButton* process_;
    QRadioButton* group_;
    QRadioButton* thisComputer_;
    QRadioButton* allComputers_;
    QDateTimeEdit* date_;
    QPushButton* refresh_;
};
