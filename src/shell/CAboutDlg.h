#pragma once

#include <QDialog>

class CHyperLink;

class QLabel;

// The About box: program icon, version, the vendor's support, sales and home page links, and
// the database file in use.
class CAboutDlg : public QDialog {
  public:
    explicit CAboutDlg(const QString& databasePath, QWidget* parent = nullptr);

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
