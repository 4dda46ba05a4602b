// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QDateTimeEdit;
class QGridLayout;
class QPushButton;
class QRadioButton;

// The bar across the top of the report window: Save, Set Group, the mode, the day and
// Refresh, in the order and grouping of the original 276 x 44 unit bar.
class CReportDialogBar : public QWidget {
  public:
    explicit CReportDialogBar(QWidget* parent = nullptr);

    QPushButton& SaveButton() { return *save_; }
    QPushButton& SetGroupButton() { return *setGroup_; }
    QRadioButton& ProcessRadio() { return *process_; }
    QRadioButton& GroupRadio() { return *group_; }
    QRadioButton& ThisComputerRadio() { return *thisComputer_; }
    QRadioButton& AllComputersRadio() { return *allComputers_; }
    QDateTimeEdit& DatePicker() { return *date_; }
    QPushButton& RefreshButton() { return *refresh_; }

  protected:
    // Drops the calendar down right-aligned with the date field.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // One choice of two, the first checked, one above the other in column of grid.
    void RadioPair(const QString& first, const QString& second, QGridLayout* grid, int column,
                   QRadioButton*& upper, QRadioButton*& lower);

    QPushButton* save_;
    QPushButton* setGroup_;
    QRadioButton* process_;
    QRadioButton* group_;
    QRadioButton* thisComputer_;
    QRadioButton* allComputers_;
    QDateTimeEdit* date_;
    QPushButton* refresh_;
};
