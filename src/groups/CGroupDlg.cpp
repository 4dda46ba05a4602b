// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/CGroupDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <map>
#include <utility>

#include "controls/DialogFont.h"
#include "controls/DialogUnits.h"
#include "controls/ScreenPlacement.h"
#include "core/Message.h"
#include "db/CUsageDb.h"
#include "groups/CDragDropTreeCtrl.h"
#include "groups/GroupIcons.h"

namespace {

constexpr int kItemHeight = 18;
constexpr int kLoadCapacity = 1000;

// A column's width in pixels: units dialog units, wider where the font's texts would not fit.
int ColumnWidth(double units, std::initializer_list<const QWidget*> controls) {
    int width = DuX(units);
    for (const QWidget* control : controls) {
        width = std::max(width, control->sizeHint().width());
    }
    return width;
}

}  // namespace

CGroupDlg::CGroupDlg(const std::string& databasePath, IconSource icons, QWidget* parent)
    : QDialog(parent),
      path_(databasePath),
      programIcons_(std::move(icons)),
      groupIcon_(GroupIcon()) {
    setWindowTitle(tr("Edit Group"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    UseDialogFont(this);

    label_ = new QLabel(tr("Drag items onto group:"), this);
    tree_ = new CDragDropTreeCtrl(this);
    tree_->setHeaderHidden(true);
    // Hidden, but still read out: by its name, not Qt's "1".
    tree_->setHeaderLabel(tr("Groups and their programs"));
    tree_->setAccessibleName(tr("Groups"));
    label_->setBuddy(tree_);
    tree_->setRootIsDecorated(true);
    tree_->setIconSize(QSize(16, 16));
    // Every row takes the first row's height, which "Default" sets below.
    tree_->setUniformRowHeights(true);
    // Long names scroll sideways instead of being cut.
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    name_ = new QLineEdit(this);
    name_->setAccessibleName(tr("Name of a new group"));
    add_ = new QPushButton(tr("Add New Group"), this);
    delete_ = new QPushButton(tr("Delete Selected Group"), this);
    // Beside dragging, for the keyboard: Alt+M, and the Menu key or Shift+F10 in the tree.
    move_ = new QPushButton(tr("&Move to group..."), this);
    save_ = new QPushButton(tr("Save"), this);
    save_->setDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), this);

    // The described places as a layout: the tree on the left takes what the screen leaves,
    // the right-hand column grows where a text would not fit, Save and Cancel at its foot.
    const int side = ColumnWidth(81, {name_, add_, delete_, move_});
    const int buttons = ColumnWidth(50, {save_, cancel_});
    tree_->setMinimumSize(DuX(152), DuY(60));
    for (QWidget* control : {static_cast<QWidget*>(name_), static_cast<QWidget*>(add_),
                             static_cast<QWidget*>(delete_), static_cast<QWidget*>(move_)}) {
        control->setMinimumSize(side, DuY(14));
    }
    for (QPushButton* button : {save_, cancel_}) {
        button->setMinimumSize(buttons, DuY(14));
    }
    auto* column = new QVBoxLayout;
    column->setSpacing(DuY(4));
    column->addWidget(name_);
    column->addWidget(add_);
    column->addSpacing(DuY(16));
    column->addWidget(delete_);
    column->addWidget(move_);
    column->addStretch(1);
    auto* saveCancel = new QDialogButtonBox(Qt::Vertical, this);
    saveCancel->addButton(save_, QDialogButtonBox::AcceptRole);
    saveCancel->addButton(cancel_, QDialogButtonBox::RejectRole);
    column->addWidget(saveCancel, 0, Qt::AlignRight);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(DuX(7), DuY(7), DuX(7), DuY(7));
    grid->setHorizontalSpacing(DuX(10));
    grid->setVerticalSpacing(DuY(3));
    grid->addWidget(label_, 0, 0);
    grid->addWidget(tree_, 1, 0);
    grid->addLayout(column, 1, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    // The described 350 units tall where the screen has room.
    FitToScreen(this, QSize(DuX(169 + 7) + side, DuY(350)).expandedTo(sizeHint()));

    connect(add_, &QPushButton::clicked, this, &CGroupDlg::AddNewGroup);
    connect(delete_, &QPushButton::clicked, this, &CGroupDlg::DeleteSelectedGroup);
    connect(move_, &QPushButton::clicked, this, &CGroupDlg::MoveSelectedProgram);
    connect(tree_, &CDragDropTreeCtrl::MenuRequested, this,
            [this](QTreeWidgetItem* item, QPoint global) {
                if (item != nullptr && item->parent() != nullptr) {
                    ShowMoveMenu(item, global);
                }
            });
    connect(save_, &QPushButton::clicked, this, &CGroupDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &CGroupDlg::reject);

    Load();
}

QTreeWidgetItem* CGroupDlg::AddRoot(const QString& name, int64_t id) {
    auto* root = new QTreeWidgetItem(tree_, QStringList(name));
    root->setIcon(0, groupIcon_);
    root->setData(0, kDataRole, qint64{id});
    return root;
}

void CGroupDlg::Load() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    defaultRoot_ = AddRoot(QCoreApplication::translate("ReportMode", "Default"), 0);
    defaultRoot_->setSizeHint(0, QSize(tree_->fontMetrics().horizontalAdvance(
                                           QCoreApplication::translate("ReportMode", "Default")) +
                                           2 * tree_->iconSize().width(),
                                       kItemHeight));

    // A box raised now would open before the dialog, behind it once the dialog is modal:
    // the load's messages wait until the dialog is on screen.
    const MessageHandler previous =
        SetMessageHandler([this](const std::string& text) { loadMessages_.push_back(text); });
    const GroupStoreData data = CUsageDb(path_).LoadDbForGroup(kLoadCapacity, kLoadCapacity);
    SetMessageHandler(previous);
    // Without an icon of its own a program shows a plain file, as in the report, not a group.
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    // The first root with an id takes its programs; 0 and vanished groups mean "Default".
    std::map<int64_t, QTreeWidgetItem*> roots{{0, defaultRoot_}};
    for (const GroupRow& group : data.groups) {
        roots.emplace(group.id, AddRoot(QString::fromStdString(group.name), group.id));
    }
    QTreeWidgetItem* last = nullptr;
    for (const GroupProgramRow& program : data.programs) {
        const auto found = roots.find(program.groupid);
        const bool shown = found != roots.end();
        QTreeWidgetItem* parent = shown ? found->second : defaultRoot_;
        QIcon icon;
        if (programIcons_) {
            if (const std::optional<IconImage> image = programIcons_(program.path)) {
                icon = IconFromImage(*image);
            }
        }
        last = new QTreeWidgetItem(parent, QStringList(QString::fromStdString(program.name)));
        last->setIcon(0, icon.isNull() ? fileIcon : icon);
        last->setData(0, kDataRole, qint64{shown ? program.groupid : 0});
        last->setData(0, kIdRole, qint64{program.id});
        parent->setExpanded(true);
    }
    if (last != nullptr) {
        tree_->scrollToItem(last);
    }
    // After a failed read the tree is partial: programs whose group was not read sit under
    // "Default", and Save would take them out of their groups.
    save_->setEnabled(data.complete);
    QGuiApplication::restoreOverrideCursor();
}

void CGroupDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // From the event loop, once the dialog is the open modal window that owns the boxes.
    QTimer::singleShot(0, this, [this] {
        for (const std::string& text : std::exchange(loadMessages_, {})) {
            ShowMessage(text);
        }
    });
}

void CGroupDlg::AddNewGroup() {
    const QString text = name_->text();
    // Characters as the user sees them, whatever their size in bytes.
    const qsizetype length = text.toUcs4().size();
    if (length > kMaxNameChars) {
        ShowMessage(tr("The length of group name should not be more than 50!").toStdString());
        return;
    }
    if (length == 0) {
        ShowMessage(tr("Please input a group name!").toStdString());
        return;
    }
    AddRoot(text, kNewGroup);
}

void CGroupDlg::DeleteSelectedGroup() {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(tr("Can't delete. Please select a item to delete!").toStdString());
        return;
    }
    QTreeWidgetItem* group = selected.front();
    if (group->parent() != nullptr) {
        ShowMessage(tr("Can't delete. Please select a group!").toStdString());
        return;
    }
    const int64_t id = group->data(0, kDataRole).toLongLong();
    if (id == 0) {
        ShowMessage(tr("Can't delete default group!").toStdString());
        return;
    }
    if (id != kNewGroup) {
        deletedGroups_.push_back(id);
    }
    // The programs keep the group id they were shown in, so Save sees that they moved.
    defaultRoot_->addChildren(group->takeChildren());
    defaultRoot_->setExpanded(true);
    delete group;
}

void CGroupDlg::accept() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    CUsageDb db(path_);
    std::vector<GroupAssignment> moves;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* group = tree_->topLevelItem(i);
        int64_t id = group->data(0, kDataRole).toLongLong();
        if (id == kNewGroup) {
            id = db.AddGroup(group->text(0).toStdString());
            // A group that could not be made leaves its programs in their stored groups
            // rather than under an id that names no group.
            if (id == kNewGroup) {
                continue;
            }
            group->setData(0, kDataRole, qint64{id});
        }
        for (int c = 0; c < group->childCount(); ++c) {
            const QTreeWidgetItem* program = group->child(c);
            // Only where the user moved it: a program of a group beyond those shown sits
            // under "Default" and keeps its stored group.
            if (program->data(0, kDataRole).toLongLong() != id) {
                moves.push_back(GroupAssignment{id, program->data(0, kIdRole).toLongLong()});
            }
        }
    }
    // Deleting groups whose programs could not all be moved out would leave those programs
    // in a group that no longer exists; the groups stay for another try.
    if (db.UpdateItems(moves)) {
        db.DeleteGroups(deletedGroups_);
    }
    QGuiApplication::restoreOverrideCursor();
    QDialog::accept();
}

QList<QTreeWidgetItem*> CGroupDlg::MoveTargets(const QTreeWidgetItem* program) const {
    QList<QTreeWidgetItem*> targets;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* group = tree_->topLevelItem(i);
        if (group != program->parent()) {
            targets.append(group);
        }
    }
    return targets;
}

void CGroupDlg::MoveSelectedProgram() {
    QTreeWidgetItem* program = tree_->currentItem();
    if (program == nullptr || program->parent() == nullptr) {
        ShowMessage(tr("Please select a program to move!").toStdString());
        return;
    }
    ShowMoveMenu(program, move_->mapToGlobal(move_->rect().bottomLeft()));
}

void CGroupDlg::ShowMoveMenu(QTreeWidgetItem* program, QPoint global) {
    if (MoveTargets(program).isEmpty()) {
        ShowMessage(tr("There is no other group yet: add one first.").toStdString());
        return;
    }
    QMenu menu(this);
    for (QTreeWidgetItem* group : MoveTargets(program)) {
        // A group's "&" is a character of its name, not a mnemonic.
        QString text = group->text(0);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu.addAction(groupIcon_, text);
        action->setData(QVariant::fromValue(static_cast<void*>(group)));
    }
    const QAction* chosen = menu.exec(global);
    if (chosen == nullptr) {
        return;
    }
    // The menu ran its own loop, but only this dialog changes the tree.
    auto* group = static_cast<QTreeWidgetItem*>(chosen->data().value<void*>());
    if (QTreeWidgetItem* moved = tree_->MoveItem(program, group)) {
        tree_->setCurrentItem(moved);
    }
    tree_->setFocus();
}

bool CGroupDlg::HasChanges() const {
    if (!deletedGroups_.empty()) {
        return true;
    }
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* group = tree_->topLevelItem(i);
        const int64_t id = group->data(0, kDataRole).toLongLong();
        if (id == kNewGroup) {
            return true;
        }
        for (int c = 0; c < group->childCount(); ++c) {
            if (group->child(c)->data(0, kDataRole).toLongLong() != id) {
                return true;
            }
        }
    }
    return false;
}

void CGroupDlg::reject() {
    if (HasChanges() && QMessageBox::question(this, QStringLiteral("Hourglint"),
                                              tr("Close without saving the changes to the groups?"),
                                              QMessageBox::Yes | QMessageBox::No,
                                              QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    QDialog::reject();
}
