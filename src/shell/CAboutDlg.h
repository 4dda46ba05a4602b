#pragma once

#include <QDialog>

class CHyperLink;

// The About box: program icon, version, the foreground backend and the vendor's support, sales and
// home page links.
class CAboutDlg : public QDialog {
  public:
    // foreground: how this session's foreground program is read, shown under the version.
    explicit CAboutDlg(QWidget* parent = nullptr, const QString& foreground = {});

    CHyperLink& SupportLink() { return *support_; }
    CHyperLink& SalesLink() { return *sales_; }
    CHyperLink& HomepageLink() { return *homepage_; }

  private:
    CHyperLink* support_;
    CHyperLink* sales_;
    CHyperLink* homepage_;
};
