// SPDX-License-Identifier: GPL-3.0-or-later
#include <QIcon>

#include "ShellTestSupport.h"
#include "core/UsageRecord.h"
#include "shell/CImageList.h"
#include "shell/CListModel.h"

namespace {

CListModel ThreeColumns() {
    return CListModel(
        {{"A", 10, Qt::AlignLeft}, {"B", 10, Qt::AlignLeft}, {"C", 10, Qt::AlignHCenter}}, true);
}

TEST(ListModelTest, RowsAreWrittenAtTheGivenPlaces) {
    EnsureTestApplication();
    CListModel model = ThreeColumns();
    UsageRecord a{"a", "", "/bin/a", 1, -1};
    UsageRecord b{"b", "", "/bin/b", 1, -1};
    model.InsertRow(0, "a", -1, &a);
    model.InsertRow(0, "b", -1, &b);
    model.SetCellText(0, 2, "__:__:01");
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(0, 0).data().toString(), "b");
    EXPECT_EQ(model.index(0, 2).data().toString(), "__:__:01");
    EXPECT_EQ(model.RowData(1), &a);
    model.DeleteRow(0);
    EXPECT_EQ(model.RowData(0), &a);
    model.DeleteAllRows();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(ListModelTest, OutOfRangeWritesAreIgnored) {
    EnsureTestApplication();
    CListModel model = ThreeColumns();
    model.SetCellText(0, 0, "x");
    model.DeleteRow(0);
    model.InsertRow(5, "appended", -1, nullptr);  // past the end appends, like the list control
    model.SetCellText(0, 3, "x");
    model.SetCellText(-1, 0, "x");
    model.DeleteRow(1);
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0, 0).data().toString(), "appended");
    EXPECT_FALSE(model.index(0, 0).data(Qt::ToolTipRole).isValid());
    EXPECT_EQ(model.RowData(3), nullptr);
}

TEST(ListModelTest, ToolTipNeverSplitsACharacter) {
    EXPECT_EQ(CListModel::ToolTipText(std::string(79, 'x')).size(), 79);
    EXPECT_EQ(CListModel::ToolTipText(std::string(80, 'x')).size(), 79);
    EXPECT_EQ(CListModel::ToolTipText(""), "");
    // 78 plain characters and then a character outside the basic plane (two UTF-16 units).
    const std::string path = std::string(78, 'x') + "\xF0\x9F\x98\x80" + "yz";
    const QString cut = CListModel::ToolTipText(path);
    EXPECT_EQ(cut.size(), 80);
    EXPECT_TRUE(cut.back().isLowSurrogate());
    EXPECT_EQ(cut, QString::fromStdString(path).left(80));
}

TEST(ImageListTest, IconsAreAddressedByTheIndexAddReturns) {
    EnsureTestApplication();
    CImageList images;
    IconImage red;
    red.width = red.height = 16;
    red.argb.assign(256, 0xFFFF0000u);
    IconImage big;
    big.width = big.height = 32;
    big.argb.assign(1024, 0xFF00FF00u);
    IconImage broken;
    broken.width = broken.height = 16;
    broken.argb.assign(3, 0xFF0000FFu);  // fewer pixels than its size claims
    EXPECT_EQ(images.Add(red), 0);
    EXPECT_EQ(images.Add(big), 1);
    EXPECT_EQ(images.Add(broken), 2);
    EXPECT_EQ(images.Icon(0).pixmap(16, 16).toImage().pixel(3, 3), 0xFFFF0000u);
    EXPECT_EQ(images.Icon(1).pixmap(16, 16).toImage().pixel(8, 8), 0xFF00FF00u);
    EXPECT_TRUE(images.Icon(-1).isNull());
    EXPECT_TRUE(images.Icon(3).isNull());
}

}  // namespace
