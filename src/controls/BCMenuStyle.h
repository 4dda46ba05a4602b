// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QProxyStyle>

// Measures and draws the items of a BCMenu in its flat or classic look; every other part of
// the menu is left to the application's style.
class BCMenuStyle : public QProxyStyle {
  public:
    BCMenuStyle();

    // Each channel moved the fraction f (0..1] of the way to white, truncated.
    static QColor Lighten(const QColor& colour, double f);
    // The system menu height the measurements refer to.
    static int MenuHeight(const QFontMetrics& metrics);

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};
