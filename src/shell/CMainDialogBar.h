#pragma once

#include <QPushButton>
#include <QWidget>

class CClockLabel;

// The bar across the top of the main window: the clock display and the four command
// buttons, in the order and at the sizes of the original 288 x 44 unit bar.
class CMainDialogBar : public QWidget {
    Q_OBJECT
  public:
    explicit CMainDialogBar(QWidget* parent = nullptr);

    CClockLabel& Clock() { return *clock_; }
    QPushButton& LiveGraphButton() { return *liveGraph_; }
    QPushButton& ReportButton() { return *report_; }
    QPushButton& ConfigButton() { return *config_; }
    QPushButton& AboutButton() { return *about_; }

  signals:
    void LiveGraphClicked();
    void ReportClicked();
    void ConfigClicked();
    void AboutClicked();

  private:
    CClockLabel* clock_;
    QPushButton* liveGraph_;
    QPushButton* report_;
    QPushButton* config_;
    QPushButton* about_;
};
