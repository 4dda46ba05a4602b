// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QImage>
#include <QLabel>
#include <array>
#include <string>

#include "controls/DateFormats.h"
#include "core/IClockLabel.h"

class IClock;

// A small digital display: today's date in small digits along the top and a stretch of
// time as HH MM SS below, all cut from digit-strip pictures. Until Start succeeds it is a
// plain text label showing the same digits.
class CDigitLabel : public QLabel, public IClockLabel {
    Q_DECLARE_TR_FUNCTIONS(CDigitLabel)

  public:
    static constexpr int kOk = 0;
    static constexpr int kLoadFailed = 1;

    // clock gives the date (the system clock when null); it must outlive the label.
    explicit CDigitLabel(QWidget* parent = nullptr, IClock* clock = nullptr);

    // Loads the background and the large (24 x 34 cells) and small (12 x 17 cells) digit
    // strips, ":/bitmaps/<id>.png", and takes the background's size. A second call does
    // nothing. kLoadFailed, with the label left plain, when a picture is missing.
    int Start(int background, int largeDigits, int smallDigits, bool monthFirst);
    // The same with the date in order: "MM-DD-YYYY", "DD-MM-YYYY" or "YYYY-MM-DD".
    int Start(int background, int largeDigits, int smallDigits, DateOrder order);
    bool IsStarted() const { return started_; }

    // Takes a duration text: the digits at positions 0, 1, 3, 4, 6 and 7, "_" reading 0; a
    // stretch of a day or more ("days: D, HH:MM:SS") shows its total hours while they fit
    // in two digits, else 99 59 59. Texts shorter than 8 characters are refused. Refreshes
    // the date either way.
    void SetText(const std::string& text) override;

    // "HH MM SS" and the date ("MM-DD-YYYY" month first, "YYYY-MM-DD" year first) as shown.
    QString Digits() const;
    QString DateText() const { return date_; }
    // Date and time in words, as assistive technology reads them on request:
    // "9 December 2026, 0 hours 0 minutes 9 seconds".
    QString SpokenValue() const;
    // The display composed for a device pixel ratio: the background's size times ratio, the
    // ratio set; from the "@2x" pictures above 1x where they exist. Null until started.
    QImage Picture(qreal ratio) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void RefreshDate();
    void RefreshPlainText();

    IClock* clock_;
    std::array<int, 6> time_{};
    std::array<int, 8> dateDigits_{};
    QString date_;
    QDate day_;
    DateOrder order_ = DateOrder::MonthDayYear;
    bool started_ = false;
    QImage background_;
    QImage large_;
    QImage small_;
    QImage background2x_;  // null without the "@2x" pictures
    QImage large2x_;
    QImage small2x_;
    QImage frame_;  // the background with the digits drawn in
};
