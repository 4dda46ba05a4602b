#pragma once

#include <QDialog>

class QLabel;

// The About box: program icon, version and the vendor's support, sales and home page links.
class CAboutDlg : public QDialog {
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel& SupportLink() { return *support_; }
    QLabel& SalesLink() { return *sales_; }
    QLabel& HomepageLink() { return *homepage_; }

  private:
    QLabel* support_;
    QLabel* sales_;
    QLabel* homepage_;
};
