// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QIcon>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/IconImage.h"

class CDragDropTreeCtrl;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidgetItem;

// "Edit Group": the user makes and deletes groups and drags programs onto them, or moves
// the selected one with "Move to group..." (Alt+M, the Menu key, Shift+F10). The
// database is read once when the dialog is made (a failure is told once it is shown); every change
// stays in the tree until Save writes it (new groups, then the programs moved here, then
// deletions). Cancel, Escape, the close box and a Save with no change write nothing; the
// first three ask first when something was changed.
//
//     CGroupDlg dialog(databasePath, icons, parent);
//     dialog.exec();
class CGroupDlg : public QDialog {
    Q_OBJECT
  public:
    // Item data of a root: the group's id, 0 for "Default", kNewGroup for a group added
    // here. Item data of a program: the id of the group it was shown in when the dialog
    // opened (0 for a group not shown), so Save writes only the programs the user moved.
    static constexpr int kDataRole = Qt::UserRole;
    // A program's titem.id: its stored name may not survive the conversion to text.
    static constexpr int kIdRole = Qt::UserRole + 1;
    static constexpr int64_t kNewGroup = -1;
    static constexpr int kMaxNameChars = 50;

    // A program's small icon by its executable path (the sampler's, from the shared index of
    // the desktop entries); nullopt when it has none. Without one every program shows a file.
    using IconSource = std::function<std::optional<IconImage>(const std::string& path)>;

    explicit CGroupDlg(const std::string& databasePath, IconSource icons = {},
                       QWidget* parent = nullptr);

    CDragDropTreeCtrl& Tree() { return *tree_; }
    QTreeWidgetItem* DefaultRoot() const { return defaultRoot_; }
    QLineEdit& NameEdit() { return *name_; }
    QPushButton& AddButton() { return *add_; }
    QPushButton& DeleteButton() { return *delete_; }
    QPushButton& MoveButton() { return *move_; }
    QPushButton& SaveButton() { return *save_; }
    QPushButton& CancelButton() { return *cancel_; }
    // Whether Save would write anything.
    bool HasChanges() const;
    // The groups program could move to, in tree order; what the menu offers.
    QList<QTreeWidgetItem*> MoveTargets(const QTreeWidgetItem* program) const;

  public slots:
    void AddNewGroup();
    void DeleteSelectedGroup();
    // "Move to group...": a menu of the other groups for the selected program.
    void MoveSelectedProgram();
    // Save.
    void accept() override;
    // Cancel, Escape and the close box: asks first when something would be lost.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Load();
    QTreeWidgetItem* AddRoot(const QString& name, int64_t id);
    void ShowMoveMenu(QTreeWidgetItem* program, QPoint global);

    std::string path_;
    IconSource programIcons_;
    QIcon groupIcon_;
    std::vector<std::string> loadMessages_;  // shown once the dialog is on screen
    std::vector<int64_t> deletedGroups_;     // stored groups deleted here, in deletion order
    QLabel* label_;
    CDragDropTreeCtrl* tree_;
    QLineEdit* name_;
    QPushButton* add_;
    QPushButton* delete_;
    QPushButton* move_;
    QPushButton* save_;
    QPushButton* cancel_;
    QTreeWidgetItem* defaultRoot_ = nullptr;
};
