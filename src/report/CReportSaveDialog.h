// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDialog>
#include <string>

// The report window's "save as" dialog. A file the report may not replace (the database,
// a folder, a pipe, a read-only file) is refused with a message while the dialog stays
// open, so the user can pick another name.
class CReportSaveDialog : public QFileDialog {
  public:
    CReportSaveDialog(std::string databasePath, QWidget* parent);

    void done(int result) override;

  private:
    std::string databasePath_;
};
