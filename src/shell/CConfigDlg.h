// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "core/SettingsValues.h"

class CAppSettings;
class CShareRow;
class ISettingsEffects;
class ISettingsStore;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QSlider;

// The Options dialog. OK checks the fields in the program's exchange order and stays open
// at the first bad one.
class CConfigDlg : public QDialog {
    Q_OBJECT
  public:
    CConfigDlg(const SettingsValues& current, const SettingsValues& defaults,
               QWidget* parent = nullptr);

    // Runs the dialog modally; on OK applies the result. Returns true when applied.
    static bool Edit(CAppSettings& settings, ISettingsEffects& effects, ISettingsStore& store,
                     QWidget* parent);

    // The values taken from the controls by the last successful OK.
    const SettingsValues& Values() const { return values_; }

    QCheckBox& RunOnStartupBox() { return *runOnStartup_; }
    QCheckBox& MinimizeBox() { return *minimize_; }
    QCheckBox& LoadDbBox() { return *loadDb_; }
    QLineEdit& AutoSaveEdit() { return *autoSave_; }
    QSlider& AlphaSlider() { return *alpha_; }
    QLineEdit& AlarmEdit() { return *alarm_; }
    QCheckBox& AlarmNotifyBox() { return *alarmNotify_; }
    CShareRow& ShareRow() { return *share_; }
    QCheckBox& PauseWhenIdleBox() { return *pauseWhenIdle_; }
    QLineEdit& IdleMinutesEdit() { return *idleMinutes_; }
    QPushButton& LoadDefaultButton() { return *loadDefault_; }
    QPushButton& OkButton() { return *ok_; }
    QPushButton& CancelButton() { return *cancel_; }

  public slots:
    void accept() override;
    void LoadDefault();

  private:
    QLayout* IdleRow();
    void ShowValues(const SettingsValues& values);
    void Fail(QLineEdit& edit, const std::string& message);

    SettingsValues values_;
    SettingsValues defaults_;
    QCheckBox* runOnStartup_;
    QCheckBox* minimize_;
    QCheckBox* loadDb_;
    QLineEdit* autoSave_;
    QSlider* alpha_;
    QLineEdit* alarm_;
    QCheckBox* alarmNotify_;
    CShareRow* share_;
    QCheckBox* pauseWhenIdle_ = nullptr;
    QLineEdit* idleMinutes_ = nullptr;
    QPushButton* loadDefault_;
    QPushButton* ok_;
    QPushButton* cancel_;
};
