// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CAboutDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/CHyperLink.h"
#include "controls/DialogFont.h"
#include "controls/DialogUnits.h"
#include "controls/ReadingOrder.h"
#include "controls/ScreenPlacement.h"
#include "core/VendorLinks.h"
#include "shell/ProgramIcon.h"

namespace {

// As the About box sets them up: no underline, not visited.
CHyperLink* LinkLabel(QWidget* parent, const QString& target, const QString& text) {
    auto* label = new CHyperLink(text, parent);
    label->SetTarget(target);
    label->SetUnderline(false);
    label->SetVisited(false);
    return label;
}

}  // namespace

QString NativeWaylandNotice() {
    return QCoreApplication::translate(
        "CAboutDlg",
        "Running on Wayland's own platform, as Xwayland could not be reached: staying on top "
        "and placing the window are not available.");
}

CAboutDlg::CAboutDlg(QWidget* parent, const QString& foreground, const QString& databasePath)
    : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CAboutDlg", "About Hourglint"));
    // A fixed dialog: caption and close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    UseDialogFont(this);

    // Made first: OK stands at the top, beside the first line, and Tab goes down from it.
    auto* ok = new QPushButton(QCoreApplication::translate("CAboutDlg", "OK"), this);
    ok->setDefault(true);
    ok->setMinimumSize(DuX(50), DuY(14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);

    const QString support = QString::fromLatin1(VendorLinks::kSupportMail);
    const QString sales = QString::fromLatin1(VendorLinks::kSalesMail);
    const QString homepage = QString::fromLatin1(VendorLinks::kHomepage);
    support_ = LinkLabel(this, QStringLiteral("mailto:") + support, support);
    sales_ = LinkLabel(this, QStringLiteral("mailto:") + sales, sales);
    homepage_ = LinkLabel(this, homepage, homepage);

    auto* icon = new QLabel(this);
    // At the screen's pixels: the icon comes in 64 pixels too.
    icon->setPixmap(ProgramIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    icon->setFixedSize(32, 32);
    icon->setAccessibleName(QCoreApplication::translate("CAboutDlg", "Hourglint's icon"));

    auto* links = new QGridLayout;
    links->setHorizontalSpacing(DuX(4));
    auto* supportLabel = new QLabel(QCoreApplication::translate("CAboutDlg", "Support:"), this);
    auto* salesLabel = new QLabel(QCoreApplication::translate("CAboutDlg", "Sales:"), this);
    auto* homepageLabel = new QLabel(QCoreApplication::translate("CAboutDlg", "Homepage:"), this);
    // Read with its link, which keeps its own text as its name.
    supportLabel->setBuddy(support_);
    salesLabel->setBuddy(sales_);
    homepageLabel->setBuddy(homepage_);
    links->addWidget(supportLabel, 0, 0);
    links->addWidget(support_, 0, 1);
    links->addWidget(salesLabel, 1, 0);
    links->addWidget(sales_, 1, 1);
    links->addWidget(homepageLabel, 2, 0);
    links->addWidget(homepage_, 2, 1);
    links->setColumnStretch(2, 1);

    auto* text = new QVBoxLayout;
    text->addWidget(new QLabel(QCoreApplication::translate("CAboutDlg", "Hourglint Version %1")
                                   .arg(QStringLiteral(HOURGLINT_VERSION)),
                               this));
    auto* licence = new QLabel(
        QCoreApplication::translate(
            "CAboutDlg", "Free software under the GNU GPL, version 3 or later; no warranty."),
        this);
    // These lines are wider than the column beside the OK button.
    licence->setWordWrap(true);
    text->addWidget(licence);
    if (!foreground.isEmpty()) {
        auto* backend = new QLabel(
            QCoreApplication::translate("CAboutDlg", "Foreground read from: %1").arg(foreground),
            this);
        backend->setWordWrap(true);
        text->addWidget(backend);
    }
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        auto* native = new QLabel(NativeWaylandNotice(), this);
        native->setWordWrap(true);
        text->addWidget(native);
    }
    text->addSpacing(DuY(6));
    text->addLayout(links);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(DuX(8));
    top->addLayout(text, 1);
    top->addWidget(buttons, 0, Qt::AlignTop);

    // The folder beside the program or the per-user one: say which, in full on hover, as a
    // path that may be far wider than the box.
    database_ = new QLabel(this);
    database_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    database_->setToolTip(Qt::convertFromPlainText(databasePath, Qt::WhiteSpaceNoWrap));
    // The tip is markup; the full path is said plainly.
    database_->setAccessibleDescription(databasePath);
    const QString line = QCoreApplication::translate("CAboutDlg", "Database: %1");
    const int room = DuX(221) - database_->fontMetrics().horizontalAdvance(
                                    QString(line).remove(QStringLiteral("%1")));
    database_->setText(
        line.arg(database_->fontMetrics().elidedText(databasePath, Qt::ElideMiddle, room)));

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(DuX(7), DuY(7), DuX(7), DuY(7));
    page->addLayout(top);
    page->addWidget(database_);
    KeepReadingOrder(*this);
    // The described 235 units wide at least; as tall as the font makes the lines.
    setMinimumWidth(DuX(235));
    FitToScreen(this, QSize(DuX(235), DuY(133)).expandedTo(sizeHint()));
}
