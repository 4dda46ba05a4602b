#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "ControlsTest.h"
#include "controls/CHyperLink.h"
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
    EXPECT_EQ(link.TextColour(), link.palette().color(QPalette::Highlight));
    EXPECT_EQ(link.palette().color(QPalette::WindowText), link.TextColour());
}

}  // namespace
