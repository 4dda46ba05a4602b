// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CConfigDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "controls/DialogFont.h"
#include "controls/DialogUnits.h"
#include "controls/ReadingOrder.h"
#include "controls/ScreenPlacement.h"
#include "core/CAppSettings.h"
#include "core/CShareSettings.h"
#include "core/IntegerField.h"
#include "core/Message.h"
#include "shell/CShareRow.h"
#include "shell/ShellMessages.h"

namespace {

constexpr int kAutoSaveMin = 5;
constexpr int kAutoSaveMax = 60;
constexpr int kAlarmMin = 5;
constexpr int kAlarmMax = 1440;
constexpr int kAlphaMin = 63;
constexpr int kAlphaMax = 255;
constexpr int kIdleMin = 1;
constexpr int kIdleMax = 120;

// A group heading followed by an etched line.
QLayout* GroupHeading(QWidget* parent, const QString& text) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(text, parent));
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addWidget(line, 1);
    return row;
}

QLineEdit* DigitsEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    // Digits only, but empty stays possible so the exchange can name the problem.
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    // Room for five digits in the dialog's font, at least the described 32 units.
    edit->setMinimumWidth(
        std::max(DuX(32), edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12));
    edit->setMaximumWidth(edit->minimumWidth());
    edit->setAlignment(Qt::AlignLeft);
    return edit;
}

// "label [edit] unit" with the range written under the edit.
QLayout* NumberRow(QWidget* parent, const QString& label, QLineEdit* edit, const QString& unit,
                   const QString& range) {
    auto* row = new QHBoxLayout;
    auto* text = new QLabel(label, parent);
    text->setWordWrap(true);
    text->setBuddy(edit);
    row->addWidget(text, 1, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(DuY(2));
    column->addWidget(edit);
    column->addWidget(new QLabel(range, parent), 0, Qt::AlignHCenter);
    row->addLayout(column);
    row->addWidget(new QLabel(unit, parent), 0, Qt::AlignTop);
    return row;
}

}  // namespace

CConfigDlg::CConfigDlg(const SettingsValues& current, const SettingsValues& defaults,
                       QWidget* parent)
    : QDialog(parent), values_(current), defaults_(defaults) {
    setWindowTitle(tr("Options"));
    // A fixed dialog: caption and close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    UseDialogFont(this);

#ifdef _WIN32
    runOnStartup_ = new QCheckBox(tr("Automatically run Hourglint when I log on to Windows"), this);
#else
    runOnStartup_ = new QCheckBox(tr("Automatically run Hourglint when I log in"), this);
#endif
    minimize_ =
        new QCheckBox(tr("Automatically minimize to system tray when Hourglint starts"), this);
    loadDb_ =
        new QCheckBox(tr("Load data of the same day from database when Hourglint starts"), this);
    autoSave_ = DigitsEdit(this);
    alarm_ = DigitsEdit(this);
    alarmNotify_ = new QCheckBox(tr("Show a desktop notification for each alarm"), this);
    share_ = new CShareRow(TheShareSettings().Folder(), TheShareSettings().Name(), this);

    alpha_ = new QSlider(Qt::Horizontal, this);
    alpha_->setRange(kAlphaMin, kAlphaMax);
    alpha_->setTickInterval(64);
    alpha_->setTickPosition(QSlider::TicksAbove);
    alpha_->setPageStep(16);

    loadDefault_ = new QPushButton(tr("Load Default"), this);
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), this);
    for (QPushButton* button : {loadDefault_, ok_, cancel_}) {
        button->setMinimumSize(DuX(50), DuY(14));
    }

    // The settings on a page that scrolls where the screen is too short for it; the buttons
    // stay below it, always in sight.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab goes from the last button back to the first setting, not to the page itself.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget(scroll);
    for (QWidget* pane : {static_cast<QWidget*>(scroll), scroll->viewport(), content}) {
        pane->setAccessibleName(tr("Settings"));
    }
    auto* page = new QVBoxLayout(content);
    page->setContentsMargins(DuX(7), DuY(7), DuX(7), DuY(4));
    page->addLayout(GroupHeading(this, tr("General")));
    page->addWidget(runOnStartup_);
    page->addWidget(minimize_);
    page->addSpacing(DuY(4));
    page->addLayout(GroupHeading(this, tr("Database")));
    page->addWidget(loadDb_);
    page->addLayout(NumberRow(this, tr("Automatically save data into database for every"),
                              autoSave_, tr("seconds"), QStringLiteral("5~60")));
    page->addSpacing(DuY(4));
    page->addLayout(GroupHeading(this, tr("GUI")));
    auto* alphaLabel =
        new QLabel(tr("Alpha value used to describe the opacity of the window"), this);
    alphaLabel->setBuddy(alpha_);
    page->addWidget(alphaLabel);
    page->addWidget(alpha_);
    auto* ends = new QHBoxLayout;
    ends->addWidget(new QLabel(tr("transparent"), this));
    ends->addStretch(1);
    ends->addWidget(new QLabel(tr("opaque"), this));
    page->addLayout(ends);
    page->addSpacing(DuY(4));
    page->addLayout(GroupHeading(this, tr("Alarm")));
    page->addLayout(NumberRow(this, tr("Alarm when the running time of a program reaches every"),
                              alarm_, tr("minutes"), QStringLiteral("5~1440")));
    page->addWidget(alarmNotify_);
    page->addSpacing(DuY(4));
    page->addLayout(GroupHeading(this, tr("Away")));
    page->addLayout(IdleRow());
    page->addLayout(GroupHeading(this, tr("Several computers")));
    page->addWidget(share_);
    page->addStretch(1);
    scroll->setWidget(content);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(loadDefault_, QDialogButtonBox::ResetRole);
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, DuY(7));
    outer->addWidget(scroll, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(DuX(7), 0, DuX(7), 0);
    buttonRow->addWidget(buttons);
    outer->addLayout(buttonRow);

    // The labels around each field say half of it: the names say all, the ranges follow.
    autoSave_->setAccessibleName(tr("Seconds between saves into the database"));
    autoSave_->setAccessibleDescription(
        tr("From %1 to %2 seconds.").arg(kAutoSaveMin).arg(kAutoSaveMax));
    alarm_->setAccessibleName(tr("Minutes of running time between alarms"));
    alarm_->setAccessibleDescription(tr("From %1 to %2 minutes.").arg(kAlarmMin).arg(kAlarmMax));
    idleMinutes_->setAccessibleName(tr("Minutes without keyboard or mouse input"));
    idleMinutes_->setAccessibleDescription(
        tr("From %1 to %2 minutes; counting stops after them when the box before is ticked.")
            .arg(kIdleMin)
            .arg(kIdleMax));
    alpha_->setAccessibleName(tr("Opacity of the window"));
    alpha_->setAccessibleDescription(
        tr("From %1, nearly transparent, to %2, opaque.").arg(kAlphaMin).arg(kAlphaMax));
    // Tab goes down the page as it reads, not in the order the controls were made.
    QWidget* const order[] = {runOnStartup_,
                              minimize_,
                              loadDb_,
                              autoSave_,
                              alpha_,
                              alarm_,
                              alarmNotify_,
                              pauseWhenIdle_,
                              idleMinutes_,
                              &share_->FolderEdit(),
                              &share_->BrowseButton(),
                              &share_->NameEdit(),
                              loadDefault_,
                              ok_,
                              cancel_};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(loadDefault_, &QPushButton::clicked, this, &CConfigDlg::LoadDefault);
    connect(ok_, &QPushButton::clicked, this, &CConfigDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &CConfigDlg::reject);

    ShowValues(values_);
    KeepReadingOrder(*content);
    KeepReadingOrder(*this);
    // At least the described 295 units wide; as tall as the page, where the screen has room.
    setMinimumWidth(DuX(295));
    FitToScreen(this, WholePageSize(this, scroll));
}

// "[x] Stop counting after [5] minutes without keyboard or mouse input", 1~120 below.
QLayout* CConfigDlg::IdleRow() {
    pauseWhenIdle_ = new QCheckBox(tr("Stop counting after"), this);
    idleMinutes_ = DigitsEdit(this);
    auto* row = new QHBoxLayout;
    row->addWidget(pauseWhenIdle_, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(DuY(2));
    column->addWidget(idleMinutes_);
    column->addWidget(new QLabel(QStringLiteral("1~120"), this), 0, Qt::AlignHCenter);
    row->addLayout(column);
    auto* text = new QLabel(tr("minutes without keyboard or mouse input"), this);
    text->setWordWrap(true);
    text->setBuddy(idleMinutes_);
    row->addWidget(text, 1, Qt::AlignTop);
    return row;
}

void CConfigDlg::ShowValues(const SettingsValues& values) {
    runOnStartup_->setChecked(values.bRunOnWindowsStartup);
    minimize_->setChecked(values.bMinimizeOnStartup);
    loadDb_->setChecked(values.bLoadDbOnStartup);
    // Stored values are shown as they are; the ranges are checked only on OK.
    autoSave_->setText(QString::number(values.iAutoSave));
    alarm_->setText(QString::number(values.iAlarmForMinutes));
    alarmNotify_->setChecked(values.bAlarmNotify);
    alpha_->setValue(values.iALPHA);
    pauseWhenIdle_->setChecked(values.bPauseWhenIdle);
    idleMinutes_->setText(QString::number(values.iIdleMinutes));
}

void CConfigDlg::LoadDefault() {
    ShowValues(defaults_);
    share_->LoadDefault();
}

void CConfigDlg::Fail(QLineEdit& edit, const std::string& message) {
    ShowMessage(message);
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
}

void CConfigDlg::accept() {
    SettingsValues edited = values_;
    std::string message;
    edited.bRunOnWindowsStartup = runOnStartup_->isChecked();
    edited.bMinimizeOnStartup = minimize_->isChecked();
    const auto autoSave =
        ParseIntegerField(autoSave_->text().toStdString(), kAutoSaveMin, kAutoSaveMax, message);
    if (!autoSave) {
        Fail(*autoSave_, message);
        return;
    }
    edited.iAutoSave = *autoSave;
    edited.iALPHA = static_cast<uint8_t>(alpha_->value());
    edited.bLoadDbOnStartup = loadDb_->isChecked();
    const auto alarm =
        ParseIntegerField(alarm_->text().toStdString(), kAlarmMin, kAlarmMax, message);
    if (!alarm) {
        Fail(*alarm_, message);
        return;
    }
    edited.iAlarmForMinutes = *alarm;
    edited.bAlarmNotify = alarmNotify_->isChecked();
    edited.bPauseWhenIdle = pauseWhenIdle_->isChecked();
    const auto idle =
        ParseIntegerField(idleMinutes_->text().toStdString(), kIdleMin, kIdleMax, message);
    if (!idle) {
        Fail(*idleMinutes_, message);
        return;
    }
    edited.iIdleMinutes = *idle;
    if (const std::string problem = share_->Problem(); !problem.empty()) {
        Fail(share_->FolderEdit(), problem);
        return;
    }
    values_ = edited;
    QDialog::accept();
}

bool CConfigDlg::Edit(CAppSettings& settings, ISettingsEffects& effects, ISettingsStore& store,
                      QWidget* parent) {
    // The box shows what logging on will do, which the stored value may not.
    SettingsValues shown = settings.Values();
    shown.bRunOnWindowsStartup = effects.AutorunEnabled();
    CConfigDlg dialog(shown, settings.Defaults(), parent);
    BringAboveOwner(&dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    settings.Apply(dialog.Values(), effects, store);
    TheShareSettings().Apply(dialog.ShareRow().Folder(), dialog.ShareRow().Name(), store);
    return true;
}
