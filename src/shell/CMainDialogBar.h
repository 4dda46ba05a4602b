// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "controls/CImageButton.h"

class CDigitLabel;
class IClock;

// The bar across the top of the main window: the clock display and the five command
// buttons, in the order and at the sizes of the original 288 x 44 unit bar, History in the
// room it kept before About.
class CMainDialogBar : public QWidget {
    Q_OBJECT
  public:
    // clock dates the display (the system clock when null).
    explicit CMainDialogBar(QWidget* parent = nullptr, IClock* clock = nullptr);

    CDigitLabel& Clock() { return *clock_; }
    CImageButton& LiveGraphButton() { return *liveGraph_; }
    CImageButton& ReportButton() { return *report_; }
    CImageButton& HistoryButton() { return *history_; }
    CImageButton& ConfigButton() { return *config_; }
    CImageButton& AboutButton() { return *about_; }

  signals:
    void LiveGraphClicked();
    void ReportClicked();
    void HistoryClicked();
    void ConfigClicked();
    void AboutClicked();

  private:
    CDigitLabel* clock_;
    CImageButton* liveGraph_;
    CImageButton* report_;
    CImageButton* history_;
    CImageButton* config_;
    CImageButton* about_;
};
