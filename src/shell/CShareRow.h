// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

class QLineEdit;
class QPushButton;

// The Options dialog's row "Share my history with my other computers through the folder":
// the folder (typed or picked) and the name this computer goes by there.
class CShareRow : public QWidget {
  public:
    CShareRow(const std::string& folder, const std::string& name, QWidget* parent = nullptr);

    QLineEdit& FolderEdit() { return *folder_; }
    QLineEdit& NameEdit() { return *name_; }
    QPushButton& BrowseButton() { return *browse_; }

    std::string Folder() const;
    std::string Name() const;
    // No folder, and the host name.
    void LoadDefault();
    // Empty when the row can be stored, else what is wrong.
    std::string Problem() const;

  private:
    void Browse();

    QLineEdit* folder_;
    QLineEdit* name_;
    QPushButton* browse_;
};
