#pragma once

#include <QDialog>

class CHyperLink;

// The About box: program icon, version and the vendor's support, sales and home page links.
class CAboutDlg : public QDialog {
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    CHyperLink& SupportLink() { return *support_; }
    CHyperLink& SalesLink() { return *sales_; }
    CHyperLink& HomepageLink() { return *homepage_; }

  private:
    CHyperLink* support_;
    CHyperLink* sales_;
    CHyperLink* homepage_;
};
