// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "ReportTestSupport.h"
#include "report/CBarChart.h"
#include "report/CReportModel.h"
#include "report/ChartRules.h"

TEST(BarChart, ScaleAndLayoutValidation) {
    const std::vector<std::pair<int32_t, ChartScale>> scales = {
        {3600, {1000, 4000, 4}}, {1500, {500, 2000, 4}},      {1000, {500, 1500, 3}},
        {7, {2, 8, 4}},          {86400, {20000, 100000, 5}}, {0, {1, 1, 1}}};
    for (const auto& [largest, expected] : scales) {
        EXPECT_EQ(ComputeChartScale(largest), expected) << largest;
    }

    struct Layout {
        int top, bottom, left, right;
        double angle, ratio;
    };
    const std::vector<std::pair<Layout, Layout>> layouts = {
        {{5, 5, 5, 0, 65, 0.18}, {5, 5, 5, 0, 65, 0.18}},
        {{5, 5, 5, 0, 65, 0.05}, {5, 5, 5, 0, 65, 0.1}},
        {{5, 5, 5, 0, 85, 1.5}, {5, 5, 5, 0, 70, 0.1}},
        {{-1, 101, 200, -5, 9, 1.0}, {20, 20, 20, 15, 70, 1.0}},
    };
    for (const auto& [given, expected] : layouts) {
        ChartData chart;
        chart.topMargin = given.top;
        chart.bottomMargin = given.bottom;
        chart.leftMargin = given.left;
        chart.rightMargin = given.right;
        chart.angleDegrees = given.angle;
        chart.ratio = given.ratio;
        ValidateChartLayout(chart);
        EXPECT_EQ(std::vector<double>({double(chart.topMargin), double(chart.bottomMargin),
                                       double(chart.leftMargin), double(chart.rightMargin),
                                       chart.angleDegrees, chart.ratio}),
                  std::vector<double>({double(expected.top), double(expected.bottom),
                                       double(expected.left), double(expected.right),
                                       expected.angle, expected.ratio}));
    }
}

namespace {

bool Holds(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF)) return true;
        }
    }
    return false;
}

ChartData Report(std::vector<int32_t> today) {
    ReportTable rows;
    for (size_t i = 0; i < today.size(); ++i) {
        rows.push_back({int32_t(i), "program" + std::to_string(i), "", today[i], 0, 0, 0, 0});
    }
    return CReportModel(ReportMode::Process, rows).Chart();
}

}  // namespace

TEST(BarChart, DrawsWhiteBeforeDataFlatBarsForZeroAndFrontFacesInTheSeriesColour) {
    EnsureTestApplication();
    const QColor today(0, 128, 255);
    CBarChart chart;
    chart.SetClientSize(QSize(600, 300));
    QImage white(chart.Surface().size(), chart.Surface().format());
    white.fill(Qt::white);
    EXPECT_EQ(chart.Surface(), white);

    chart.SetData(Report({0, 0, 0}));
    EXPECT_EQ(chart.Scale(), (ChartScale{1, 1, 1}));
    EXPECT_FALSE(Holds(chart.Surface(), today));
    EXPECT_TRUE(Holds(chart.Surface(), QColor(207, 207, 207)));  // the box is there

    chart.SetData(Report({3600, 1800}));
    EXPECT_TRUE(Holds(chart.Picture(), today));
    EXPECT_TRUE(Holds(chart.Picture(), CBarChart::Darker(today)));
    EXPECT_TRUE(Holds(chart.Picture(), CBarChart::Lighter(today)));
    EXPECT_EQ(chart.Picture().size(), QSize(600, 300));
}

// Every other item has a long name; the ones between have none. On the saved picture, the
// names' ink stays inside their own boxes.
TEST(BarChart, LongItemNamesKeepToTheirBoxes) {
    EnsureTestApplication();
    ReportTable rows;
    for (int i = 0; i < 5; ++i) {
        rows.push_back({i, i % 2 == 0 ? std::string(60, 'W') + "_end" : "", "", 60, 0, 0, 0, 0});
    }
    CBarChart chart;
    chart.SetClientSize(QSize(600, 300));
    chart.SetData(CReportModel(ReportMode::Process, rows).Chart());
    const QImage picture = chart.Picture();
    const std::vector<QRect>& boxes = chart.ItemNameBoxes();
    ASSERT_EQ(boxes.size(), 5u);
    std::vector<int> ink(boxes.size());
    // Right of the last box the front row's series name begins.
    for (int x = 0; x <= boxes.back().right(); ++x) {
        for (int y = boxes[0].top(); y <= boxes[0].bottom() + 3; ++y) {
            if ((picture.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) continue;
            const auto owner = std::find_if(boxes.begin(), boxes.end(), [x](const QRect& box) {
                return box.left() <= x && x <= box.right();
            });
            ASSERT_TRUE(owner != boxes.end() && (owner - boxes.begin()) % 2 == 0) << x << "," << y;
            ++ink[owner - boxes.begin()];
        }
    }
    EXPECT_TRUE(ink[0] > 0 && ink[2] > 0 && ink[4] > 0);
}
