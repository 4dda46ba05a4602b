#include "shell/CClockLabel.h"

#include <QDate>

CClockLabel::CClockLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    QFont big = font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    setFont(big);
    Refresh();
}

void CClockLabel::SetText(const std::string& text) {
    if (text.size() < 8) {
        return;
    }
    QString digits;
    for (const size_t pos : {0u, 1u, 3u, 4u, 6u, 7u}) {
        const char c = text[pos];
        if (c == '_') {
            digits += QLatin1Char('0');
        } else if (c >= '0' && c <= '9') {
            digits += QChar::fromLatin1(c);
        } else {
            // Not a stretch below a day ("days: ..."): six digits cannot show it.
            digits = QStringLiteral("-- -- --");
            break;
        }
        if (pos == 1 || pos == 4) {
            digits += QLatin1Char(' ');
        }
    }
    digits_ = digits;
    Refresh();
}

void CClockLabel::Refresh() {
    const QDate today = QDate::currentDate();
    const QString date =
        QString::asprintf("%02d-%02d-%04d", today.month(), today.day(), today.year());
    setText(date + QLatin1Char('\n') + digits_);
}
