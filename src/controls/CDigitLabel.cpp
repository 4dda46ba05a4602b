// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CDigitLabel.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "controls/ControlResources.h"
#include "core/IClock.h"
#include "core/LocalTime.h"

namespace {

constexpr QSize kLargeCell(24, 34);
constexpr QSize kSmallCell(12, 17);

// Top-left corners of the cells inside the background.
constexpr QPoint kTimeCells[6] = {{5, 33}, {32, 33}, {65, 33}, {92, 33}, {120, 50}, {134, 50}};
constexpr QPoint kDateCells[8] = {{5, 5},  {19, 5}, {41, 5},  {55, 5},
                                  {77, 5}, {91, 5}, {105, 5}, {119, 5}};
// Year first: four, two and two cells. The background's dashes sit in the gaps of the
// other orders; its first gap, dash and all, is copied into the new gaps.
constexpr QPoint kYearFirstCells[8] = {{5, 5},  {19, 5}, {33, 5},  {47, 5},
                                       {71, 5}, {85, 5}, {109, 5}, {123, 5}};
constexpr QRect kDateGap(29, 5, 12, 17);
constexpr int kYearFirstGaps[2] = {59, 97};

int DigitAt(const std::string& text, size_t pos) {
    const char c = text[pos];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

// "days: D, HH:MM:SS" as hours, minutes and seconds; false for any other text.
bool ParseDays(const std::string& text, long long& hours, int& minutes, int& seconds) {
    long long days = 0;
    int h = 0;
    if (std::sscanf(text.c_str(), "days: %lld, %d:%d:%d", &days, &h, &minutes, &seconds) != 4) {
        return false;
    }
    hours = days * 24 + h;
    return true;
}

}  // namespace

CDigitLabel::CDigitLabel(QWidget* parent, IClock* clock) : QLabel(parent), clock_(clock) {
    ControlResources::Init();
    setAlignment(Qt::AlignCenter);
    // A name of its own: QLabel would otherwise be named by its text and tell a new name
    // every second.
    setAccessibleName(tr("Date and running time"));
    RefreshDate();
    RefreshPlainText();
}

int CDigitLabel::Start(int background, int largeDigits, int smallDigits, bool monthFirst) {
    return Start(background, largeDigits, smallDigits,
                 monthFirst ? DateOrder::MonthDayYear : DateOrder::DayMonthYear);
}

int CDigitLabel::Start(int background, int largeDigits, int smallDigits, DateOrder order) {
    if (started_) {
        return kOk;
    }
    const QImage smallStrip(ControlResources::BitmapPath(smallDigits));
    const QImage largeStrip(ControlResources::BitmapPath(largeDigits));
    const QImage face(ControlResources::BitmapPath(background));
    // A strip without its ten cells would paint garbage: as bad as a missing one.
    if (smallStrip.width() < 10 * kSmallCell.width() || smallStrip.height() < kSmallCell.height() ||
        largeStrip.width() < 10 * kLargeCell.width() || largeStrip.height() < kLargeCell.height() ||
        face.isNull()) {
        return kLoadFailed;
    }
    small_ = smallStrip.convertToFormat(QImage::Format_RGB32);
    large_ = largeStrip.convertToFormat(QImage::Format_RGB32);
    background_ = face.convertToFormat(QImage::Format_RGB32);
    // The pictures drawn at twice the size, for fine screens; all three or none.
    const auto twice = [](int id) {
        QString path = ControlResources::BitmapPath(id);
        QImage picture = QImage(path.replace(QLatin1String(".png"), QLatin1String("@2x.png")))
                             .convertToFormat(QImage::Format_RGB32);
        // Composed pixel for pixel; the ratio is set on the result.
        picture.setDevicePixelRatio(1);
        return picture;
    };
    background2x_ = twice(background);
    large2x_ = twice(largeDigits);
    small2x_ = twice(smallDigits);
    if (background2x_.size() != background_.size() * 2 || large2x_.size() != large_.size() * 2 ||
        small2x_.size() != small_.size() * 2) {
        background2x_ = large2x_ = small2x_ = QImage();
    }
    setFixedSize(background_.size());
    order_ = order;
    started_ = true;
    // Every pixel is painted: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    RefreshDate();
    update();
    return kOk;
}

void CDigitLabel::SetText(const std::string& text) {
    if (text.size() < 8) {
        return;
    }
    long long hours = 0;
    int minutes = 0, seconds = 0;
    if (ParseDays(text, hours, minutes, seconds)) {
        if (hours > 99) {
            hours = 99, minutes = 59, seconds = 59;
        }
        // Every digit must name a cell of the strips.
        hours = std::max(0LL, hours);
        minutes = std::clamp(minutes, 0, 59);
        seconds = std::clamp(seconds, 0, 59);
        const int h = static_cast<int>(hours);
        time_ = {h / 10, h % 10, minutes / 10 % 10, minutes % 10, seconds / 10 % 10, seconds % 10};
    } else {
        time_ = {DigitAt(text, 0), DigitAt(text, 1), DigitAt(text, 3),
                 DigitAt(text, 4), DigitAt(text, 6), DigitAt(text, 7)};
    }
    RefreshDate();
    RefreshPlainText();
    update();
}

QString CDigitLabel::Digits() const {
    return QString::asprintf("%d%d %d%d %d%d", time_[0], time_[1], time_[2], time_[3], time_[4],
                             time_[5]);
}

QString CDigitLabel::SpokenValue() const {
    const QLocale locale;
    return tr("%1, %2 hours %3 minutes %4 seconds")
        .arg(locale.toString(day_, tr("d MMMM yyyy")))
        .arg(time_[0] * 10 + time_[1])
        .arg(time_[2] * 10 + time_[3])
        .arg(time_[4] * 10 + time_[5]);
}

void CDigitLabel::RefreshDate() {
    const int64_t now =
        clock_ != nullptr ? clock_->Now() : static_cast<int64_t>(std::time(nullptr));
    std::tm local{};
    if (!ToLocalTime(now, local)) {
        return;
    }
    const int month = local.tm_mon + 1, day = local.tm_mday, year = local.tm_year + 1900;
    day_ = QDate(year, month, day);
    const bool yearFirst = order_ == DateOrder::YearMonthDay;
    date_ = yearFirst ? QString::asprintf("%04d-%02d-%02d", year, month, day)
            : order_ == DateOrder::MonthDayYear
                ? QString::asprintf("%02d-%02d-%04d", month, day, year)
                : QString::asprintf("%02d-%02d-%04d", day, month, year);
    int i = 0;
    const std::array<int, 8> yearFirstDigits = {0, 1, 2, 3, 5, 6, 8, 9};
    const std::array<int, 8> otherDigits = {0, 1, 3, 4, 6, 7, 8, 9};
    for (const int pos : yearFirst ? yearFirstDigits : otherDigits) {
        const QChar c = date_.at(pos);
        dateDigits_[i++] = c.isDigit() ? c.digitValue() : 0;
    }
}

void CDigitLabel::RefreshPlainText() {
    setText(date_ + QLatin1Char('\n') + Digits());
}

QImage CDigitLabel::Picture(qreal ratio) const {
    if (!started_) {
        return {};
    }
    const bool fine = ratio > 1.01 && !background2x_.isNull();
    const int scale = fine ? 2 : 1;
    QImage frame = fine ? background2x_ : background_;
    const QImage& large = fine ? large2x_ : large_;
    const QImage& small = fine ? small2x_ : small_;
    {
        QPainter compose(&frame);
        const auto cell = [&](QPoint at, const QImage& strip, QSize size, int digit) {
            compose.drawImage(at * scale, strip,
                              QRect(QPoint(digit * size.width() * scale, 0), size * scale));
        };
        for (int i = 0; i < 6; ++i) {
            const bool big = i < 4;
            cell(kTimeCells[i], big ? large : small, big ? kLargeCell : kSmallCell, time_[i]);
        }
        const bool yearFirst = order_ == DateOrder::YearMonthDay;
        if (yearFirst) {
            const QImage& face = fine ? background2x_ : background_;
            const QRect gap(kDateGap.topLeft() * scale, kDateGap.size() * scale);
            for (const int x : kYearFirstGaps) {
                compose.drawImage(QPoint(x, kDateGap.top()) * scale, face, gap);
            }
        }
        for (int i = 0; i < 8; ++i) {
            cell(yearFirst ? kYearFirstCells[i] : kDateCells[i], small, kSmallCell, dateDigits_[i]);
        }
    }
    // Between the sizes the pictures come in: the finer one, scaled to the screen's pixels.
    if (std::abs(ratio - scale) > 0.01 && ratio > 0) {
        frame = frame.scaled(background_.size() * ratio, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    frame.setDevicePixelRatio(fine || std::abs(ratio - 1) > 0.01 ? ratio : 1);
    return frame;
}

void CDigitLabel::paintEvent(QPaintEvent* event) {
    if (!started_) {
        QLabel::paintEvent(event);
        return;
    }
    // Composed off screen at the screen's pixels, then copied in one go.
    frame_ = Picture(devicePixelRatioF());
    QPainter p(this);
    p.drawImage(0, 0, frame_);
}
