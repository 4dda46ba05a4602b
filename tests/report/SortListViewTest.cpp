// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "ReportTestSupport.h"
#include "report/CMultiColumnSortListView.h"

namespace {

using Arrow = CSortHeader::Arrow;

struct Click {
    int column;
    bool ctrl;
};

struct SortCase {
    const char* what;
    std::vector<Click> clicks;
    std::vector<std::string> order;  // column 0 after the clicks
    std::map<int, Arrow> arrows;     // every heading's arrow
};

void AddRows(CMultiColumnSortListView& view) {
    for (const auto& cells : std::vector<QStringList>{{"beta", "99", "5"},
                                                      {"Alpha", "100", "5"},
                                                      {"alpha", "7", "9"},
                                                      {"gamma", "99", "1"}}) {
        view.Model().Append({cells, {}, 0});
    }
}

// Name, Today, Yesterday; the last two compare as numbers.
void Fill(CMultiColumnSortListView& view) {
    view.Model().SetColumns({"Process", "Today", "Yesterday"},
                            {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight});
    view.AddNumericColumn(1);
    view.AddNumericColumn(2);
    AddRows(view);
}

std::vector<std::string> Order(const CMultiColumnSortListView& view) {
    std::vector<std::string> order;
    for (int r = 0; r < view.Model().Count(); ++r) {
        order.push_back(view.Model().At(r).cells[0].toStdString());
    }
    return order;
}

}  // namespace

TEST(SortListView, ClickSequencesSortStablyWithTheirDirectionsAndArrows) {
    EnsureTestApplication();
    const std::vector<SortCase> cases = {
        {"first click descending, 100 above 99",
         {{1, false}},
         {"Alpha", "beta", "gamma", "alpha"},
         {{1, Arrow::Down}}},
        {"Today, Yesterday, Today: ascending, one arrow",
         {{1, false}, {2, false}, {1, false}},
         {"alpha", "beta", "gamma", "Alpha"},
         {{1, Arrow::Up}}},
        {"two Ctrl-clicks: Today decides, Yesterday breaks ties",
         {{1, true}, {2, true}},
         {"Alpha", "beta", "gamma", "alpha"},
         {{1, Arrow::Down}, {2, Arrow::Down}}},
        {"Ctrl-click of a listed column moves it last, flips only it",
         {{1, true}, {2, true}, {1, true}},
         {"alpha", "beta", "Alpha", "gamma"},
         {{1, Arrow::Up}, {2, Arrow::Down}}},
        {"text without case: equal names keep their order",
         {{0, false}, {0, false}},
         {"Alpha", "alpha", "beta", "gamma"},
         {{0, Arrow::Up}}},
    };
    // Each case by clicks, then by the keys on the focused header: Home and Right to the
    // heading, Space or Return to sort, with Ctrl to add.
    for (const bool keys : {false, true})
        for (const SortCase& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (keys ? ", by keys" : ""));
            CMultiColumnSortListView view;
            Fill(view);
            CSortHeader& header = view.SortHeader();
            for (const Click& click : c.clicks) {
                if (!keys) {
                    view.HeadingClicked(click.column, click.ctrl);
                    continue;
                }
                QTest::keyClick(&header, Qt::Key_Home);
                for (int i = 0; i < click.column; ++i) QTest::keyClick(&header, Qt::Key_Right);
                ASSERT_EQ(header.FocusedColumn(), click.column);
                QTest::keyClick(&header, click.column % 2 ? Qt::Key_Space : Qt::Key_Return,
                                click.ctrl ? Qt::ControlModifier : Qt::NoModifier);
            }
            EXPECT_EQ(Order(view), c.order);
            for (int column = 0; column < 3; ++column) {
                const auto it = c.arrows.find(column);
                EXPECT_EQ(view.SortHeader().ArrowOf(column),
                          it == c.arrows.end() ? Arrow::None : it->second)
                    << "column " << column;
            }
        }
}

TEST(SortListView, TheHeaderSortsOnLeftClicksOnlyAndKeepsItsStateWhenRefilled) {
    EnsureTestApplication();
    CMultiColumnSortListView view;
    Fill(view);
    view.resize(400, 200);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QWidget* headings = view.SortHeader().viewport();
    const QPoint today(view.SortHeader().sectionViewportPosition(1) + 10, 5);

    QTest::mouseClick(headings, Qt::RightButton, Qt::NoModifier, today);
    EXPECT_EQ(Order(view), (std::vector<std::string>{"beta", "Alpha", "alpha", "gamma"}));
    QTest::mouseClick(headings, Qt::LeftButton, Qt::ControlModifier, today);
    EXPECT_EQ(view.SortList(), std::vector<int>{1});
    EXPECT_EQ(view.SortHeader().ArrowOf(1), Arrow::Down);

    view.Model().Clear();
    AddRows(view);
    EXPECT_EQ(view.SortHeader().ArrowOf(1), Arrow::Down);
    QTest::mouseClick(headings, Qt::LeftButton, Qt::NoModifier, today);
    EXPECT_EQ(Order(view), (std::vector<std::string>{"alpha", "beta", "gamma", "Alpha"}));
}
