// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "ControlsTest.h"
#include "controls/CHyperLink.h"
#include "controls/Contrast.h"
#include "controls/OpenDocument.h"

namespace {

using CHyperLinkTest = ControlsTest;

TEST_F(CHyperLinkTest, ErrorTextsNameTheCode) {
    const std::pair<int, const char*> cases[] = {
        {26, "Unable to open hyperlink:\n\nA sharing violation occurred. "},
        {4, "Unable to open hyperlink:\n\nUnknown Error (4) occurred."},
        {2, "Unable to open hyperlink:\n\nThe specified file was not found."},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(HyperlinkErrorText(code), QString::fromLatin1(text)) << code;
    }
}

TEST_F(CHyperLinkTest, FailedClickShowsWhyAndLeavesTheLinkUnvisited) {
    QTemporaryDir dir;
    CHyperLink link;
    link.SetTarget(dir.filePath(QStringLiteral("missing.htm")));
    EXPECT_EQ(link.text(), link.Target());  // no text of its own: shows the target
    EXPECT_EQ(link.toolTip(), link.Target());
    EXPECT_TRUE(link.IsUnderlined());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.size(), link.sizeHint());
    link.SetVisited(true);
    link.show();

    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_FALSE(link.IsVisited());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], HyperlinkErrorText(2).toStdString());
    EXPECT_EQ(OpenDocument(dir.filePath(QStringLiteral("no/such/dir/x.htm"))), 3);

    EXPECT_EQ(link.TextColour(), QColor(0, 0, 238));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), link.mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(&link, &enter);
    // The highlight, darkened to 4.5:1 on the window where it is paler.
    EXPECT_EQ(link.TextColour(), Readable(link.palette().color(QPalette::Highlight),
                                          link.palette().color(QPalette::Window), kTextContrast));
    EXPECT_EQ(link.palette().color(QPalette::WindowText), link.TextColour());
}

TEST_F(CHyperLinkTest, TabReachesItAndItsKeysFollowItAsAClickDoes) {
    QTemporaryDir dir;
    QWidget page;
    auto* before = new QPushButton(QStringLiteral("OK"), &page);
    auto* link = new CHyperLink(QStringLiteral("a link"), &page);
    link->SetTarget(dir.filePath(QStringLiteral("missing.htm")));
    link->move(0, 40);
    page.show();
    QApplication::setActiveWindow(&page);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    before->setFocus();
    const QImage plain = link->grab().toImage();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(link->hasFocus());
    EXPECT_NE(link->grab().toImage(), plain);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QTest::keyClick(link, key);
    }
    EXPECT_EQ(messages_, std::vector<std::string>(3, HyperlinkErrorText(2).toStdString()));
}

// The desktop's opener runs and exits 3, "no program to open it with", after the link
// turned visited.
TEST_F(CHyperLinkTest, AnOpenerThatFailsLaterIsReportedAndTakesTheVisitedColourBack) {
    QTemporaryDir bin;
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nsleep 0.3\nexit 3\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);

    CHyperLink link;
    link.SetTarget(QStringLiteral("https://hourglint.invalid/support"));
    link.show();
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return link.IsVisited(); }));
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages_.empty(); }));
    qputenv("PATH", path);
    EXPECT_EQ(messages_, std::vector<std::string>{HyperlinkErrorText(31).toStdString()});
    EXPECT_FALSE(link.IsVisited());
}

}  // namespace
