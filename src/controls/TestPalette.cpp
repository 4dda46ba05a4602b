// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TestPalette.h"

#include <QApplication>
#include <QStyleFactory>

QPalette DarkTestPalette() {
    // The colours dark Fusion themes commonly use; the links and the highlight are those
    // themes' blue, which the controls must make readable themselves.
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    const QColor text(235, 235, 235);
    const QColor grey(128, 128, 128);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::AlternateBase, QColor(60, 60, 60));
    dark.setColor(QPalette::ToolTipBase, QColor(30, 30, 30));
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, grey);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, QColor(255, 80, 80));
    dark.setColor(QPalette::Link, QColor(42, 130, 218));
    dark.setColor(QPalette::LinkVisited, QColor(130, 80, 200));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, grey);
    }
    dark.setColor(QPalette::Disabled, QPalette::Light, QColor(53, 53, 53));
    return dark;
}

void ApplyTestPalette() {
    if (qgetenv("HOURGLINT_TEST_PALETTE") != "dark") {
        return;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DarkTestPalette());
}
