// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "ControlsTest.h"
#include "controls/CBalloonTip.h"
#include "controls/CImageButton.h"
#include "controls/ControlResources.h"
#include "controls/FocusFrame.h"

namespace {

using Button = CImageButton;

class CImageButtonTest : public ControlsTest {
  protected:
    // Two dialog-bar buttons side by side in an active window.
    void MakeBar() {
        bar_ = std::make_unique<QWidget>();
        report_ = new Button(QStringLiteral("&Report"), bar_.get());
        config_ = new Button(QStringLiteral("&Config"), bar_.get());
        auto* row = new QHBoxLayout(bar_.get());
        row->addWidget(report_);
        row->addWidget(config_);
        ASSERT_EQ(report_->SetUpForDialogBar(ControlResources::kReportIcon,
                                             QStringLiteral("Analyze and report")),
                  Button::kOk);
        ASSERT_EQ(config_->SetUpForDialogBar(ControlResources::kConfigIcon,
                                             QStringLiteral("Configuration and preference")),
                  Button::kOk);
        bar_->show();
        QApplication::setActiveWindow(bar_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(bar_.get()));
    }

    static void Send(QWidget* to, QEvent::Type type, Qt::MouseButtons held = Qt::NoButton) {
        const QPointF at(10, 10);
        const QPointF global = to->mapToGlobal(at);
        if (type == QEvent::Enter) {
            QEnterEvent enter(at, at, global);
            QApplication::sendEvent(to, &enter);
        } else if (type == QEvent::MouseMove) {
            QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, held, Qt::NoModifier);
            QApplication::sendEvent(to, &move);
        } else {
            QEvent event(type);
            QApplication::sendEvent(to, &event);
        }
    }

    std::unique_ptr<QWidget> bar_;
    Button* report_ = nullptr;
    Button* config_ = nullptr;
};

TEST_F(CImageButtonTest, ShiftColourKeepsChannelsInRangeAndChecksArguments) {
    struct Case {
        int slot;
        QColor start;
        int amount;
        int result;
        QColor expected;
    };
    const Case cases[] = {
        {0, QColor(212, 208, 200), 30, Button::kOk, QColor(242, 238, 230)},
        {0, QColor(240, 240, 240), 30, Button::kOk, QColor(255, 255, 255)},
        {5, QColor(100, 60, 40), -30, Button::kOk, QColor(70, 30, 10)},
        {2, QColor(100, 60, 20), -30, Button::kOk, QColor(80, 40, 0)},
        {6, QColor(10, 20, 30), 30, Button::kBadSlot, QColor(10, 20, 30)},
        {-1, QColor(10, 20, 30), 30, Button::kBadSlot, QColor(10, 20, 30)},
        {0, QColor(10, 20, 30), 256, Button::kBadAmount, QColor(10, 20, 30)},
        {0, QColor(10, 20, 30), -256, Button::kBadAmount, QColor(10, 20, 30)},
    };
    for (const Case& c : cases) {
        Button button;
        const int slot = std::clamp(c.slot, 0, 5);
        button.SetColour(slot, c.start);
        EXPECT_EQ(button.ShiftColour(c.slot, c.amount), c.result) << c.slot << " " << c.amount;
        EXPECT_EQ(button.Colour(slot), c.expected) << c.slot << " " << c.amount;
    }
}

TEST_F(CImageButtonTest, SetUpOperationsReportTheirErrors) {
    Button button(QStringLiteral("&Save"));
    EXPECT_EQ(button.SetColour(6, Qt::red), Button::kBadSlot);
    EXPECT_EQ(button.SetImagePlacement(4), Button::kBadPlacement);
    EXPECT_EQ(button.SetIconResource(9999), Button::kLoadFailed);
    EXPECT_FALSE(button.IconSize().isValid());
    EXPECT_EQ(button.SetHoverCursor(9999), Button::kLoadFailed);

    const QColor face = button.palette().color(QPalette::Button);
    ASSERT_EQ(button.SetUpForDialogBar(ControlResources::kSaveIcon,
                                       QStringLiteral("Save the report as HTML file")),
              Button::kOk);
    EXPECT_EQ(button.IconSize(), QSize(32, 32));
    EXPECT_EQ(ControlResources::Icon(ControlResources::kGroupIcon).availableSizes().size(), 2);
    EXPECT_EQ(ControlResources::Bitmap(ControlResources::kSortUpBitmap).size(), QSize(9, 5));
    EXPECT_EQ(button.ImagePlacement(), Button::kImageAbove);
    EXPECT_EQ(button.Colour(Button::kTextHot), QColor(153, 0, 0));
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(button.Colour(Button::kFaceHot), face);
    EXPECT_EQ(button.Colour(Button::kFaceNormal), face);

    // A new colour scheme keeps the set-up's lightening and caption on its own face, so the
    // hover highlight survives a theme change.
    QPalette scheme = button.palette();
    scheme.setColor(QPalette::Button, QColor(50, 60, 70));
    button.setPalette(scheme);
    EXPECT_EQ(button.Colour(Button::kFaceHot), QColor(80, 90, 100));
    EXPECT_EQ(button.Colour(Button::kFaceNormal), QColor(50, 60, 70));
    EXPECT_EQ(button.Colour(Button::kTextHot), QColor(153, 0, 0));
}

TEST_F(CImageButtonTest, HoverFollowsTheMouseAndEndsOnDisable) {
    MakeBar();
    QSignalSpy hover(report_, &Button::HoverChanged);

    Send(report_, QEvent::MouseMove, Qt::LeftButton);  // dragged in from elsewhere
    EXPECT_FALSE(report_->IsHovered());
    Send(report_, QEvent::Enter);
    Send(report_, QEvent::MouseMove);
    EXPECT_TRUE(report_->IsHovered());
    EXPECT_EQ(hover.count(), 1);  // one highlight, one sound per entry
    Send(report_, QEvent::Leave);
    EXPECT_FALSE(report_->IsHovered());

    Send(report_, QEvent::Enter);
    report_->setFocus();
    ASSERT_TRUE(report_->hasFocus());
    report_->setEnabled(false);
    EXPECT_FALSE(report_->IsHovered());
    EXPECT_TRUE(config_->hasFocus());
    EXPECT_EQ(hover.count(), 4);
}

TEST_F(CImageButtonTest, BalloonTipAndMnemonicWork) {
    MakeBar();
    QSignalSpy clicked(report_, &QAbstractButton::clicked);
    QTest::keyClick(bar_.get(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(clicked.count() == 1 || clicked.wait(2000));  // an animated click

    config_->SetTipText(QString(QStringLiteral("Configuration and preference ")).repeated(10));
    const QPoint at = config_->mapToGlobal(QPoint(5, 5));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), at);
    QApplication::sendEvent(config_, &help);
    ASSERT_NE(config_->Tip(), nullptr);
    EXPECT_TRUE(config_->Tip()->isVisible());
    EXPECT_TRUE(config_->Tip()->IsBalloon());
    EXPECT_LE(config_->Tip()->width(), CBalloonTip::kMaxWidth);
    EXPECT_GT(config_->Tip()->height(), 3 * config_->fontMetrics().height());  // wrapped
}

TEST_F(CImageButtonTest, TheFocusIsSeenInEverySchemeAndReturnPresses) {
    MakeBar();
    struct Scheme {
        const char* what;
        QColor face, text;
    };
    const Scheme schemes[] = {{"the desktop's", {}, {}},
                              {"a caption as grey as the face", {128, 128, 128}, {140, 140, 140}},
                              {"dark", {30, 30, 30}, {230, 230, 230}}};
    for (const Scheme& scheme : schemes) {
        SCOPED_TRACE(scheme.what);
        if (scheme.face.isValid()) {
            QPalette colours = config_->palette();
            colours.setColor(QPalette::Button, scheme.face);
            colours.setColor(QPalette::ButtonText, scheme.text);
            config_->setPalette(colours);
        }
        report_->setFocus();
        const QImage plain = config_->grab().toImage();
        config_->setFocus();
        const QImage focused = config_->grab().toImage();
        ASSERT_NE(plain, focused);
        // The frame two pixels in, against the face beside it.
        const QColor face = focused.pixelColor(1, focused.height() / 2);
        const QColor frame = focused.pixelColor(2, focused.height() / 2);
        EXPECT_GE(ContrastRatio(frame, face), kFocusMinContrast);
    }
    QSignalSpy clicked(config_, &QAbstractButton::clicked);
    QTest::keyClick(config_, Qt::Key_Return);
    QTest::keyClick(config_, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(config_, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 3);
}

}  // namespace
