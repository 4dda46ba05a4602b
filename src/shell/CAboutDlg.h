// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CHyperLink;

class QLabel;

// What a copy on Wayland's own platform cannot do, said once at start and in the About box.
QString NativeWaylandNotice();

// The About box: program icon, version, the foreground backend, the vendor's support, sales
// and home page links, and the database file in use.
class CAboutDlg : public QDialog {
  public:
    // foreground: how this session's foreground program is read, shown under the version.
    // databasePath: the database this copy counts into, shown at the bottom.
    explicit CAboutDlg(QWidget* parent = nullptr, const QString& foreground = {},
                       const QString& databasePath = {});

    CHyperLink& SupportLink() { return *support_; }
    CHyperLink& SalesLink() { return *sales_; }
    CHyperLink& HomepageLink() { return *homepage_; }
    QLabel& DatabaseLabel() { return *database_; }

  private:
    CHyperLink* support_;
    CHyperLink* sales_;
    CHyperLink* homepage_;
    QLabel* database_;
};
