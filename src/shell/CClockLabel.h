#pragma once

#include <QLabel>
#include <string>

#include "core/IClockLabel.h"

// The dialog bar's display: today's date, month first, and the current stretch as
// HH MM SS.
class CClockLabel : public QLabel, public IClockLabel {
  public:
    explicit CClockLabel(QWidget* parent = nullptr);

    // Takes a duration text; the digits are at positions 0, 1, 3, 4, 6 and 7, "_" reads 0.
    void SetText(const std::string& text) override;

    // "HH MM SS" as last shown.
    QString Digits() const { return digits_; }

  private:
    void Refresh();

    QString digits_ = QStringLiteral("00 00 00");
};
