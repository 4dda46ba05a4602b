// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QPushButton;
class QRadioButton;

// The bar across the top of the History window, in the report bar's look: Save, the
// report's choices (Process or Group, this computer or all), the range as a preset or two
// dates, and the view, days or hours.
class CHistoryDialogBar : public QWidget {
    Q_OBJECT
  public:
    // The presets in the order the range box lists them; the last entry is "Dates".
    static constexpr int kPresets = 6;

    explicit CHistoryDialogBar(QWidget* parent = nullptr);

    QPushButton& SaveButton() { return *save_; }
    QRadioButton& ProcessRadio() { return *process_; }
    QRadioButton& GroupRadio() { return *group_; }
    QRadioButton& ThisComputerRadio() { return *thisComputer_; }
    QRadioButton& AllComputersRadio() { return *allComputers_; }
    QComboBox& RangeBox() { return *range_; }
    QDateEdit& FromEdit() { return *from_; }
    QDateEdit& ToEdit() { return *to_; }
    QRadioButton& DaysRadio() { return *days_; }
    QRadioButton& HoursRadio() { return *hours_; }

  signals:
    // Any choice changed by the user.
    void Changed();

  private:
    QPushButton* save_;
    QRadioButton* process_;
    QRadioButton* group_;
    QRadioButton* thisComputer_;
    QRadioButton* allComputers_;
    QComboBox* range_;
    QDateEdit* from_;
    QDateEdit* to_;
    QRadioButton* days_;
    QRadioButton* hours_;
};
