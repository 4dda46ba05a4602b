// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/CHistoryHtmlExport.h"

#include "core/CivilDay.h"
#include "core/VendorLinks.h"
#include "history/HistoryHtml.h"
#include "report/HtmlReportText.h"

CHtmlReportExport::Result CHistoryHtmlExport::Save(const QString& htmlPath, const Input& input) {
    // Small texts and thin bars stay sharp at 92.
    return CHtmlReportExport::WritePage(
        htmlPath, input.databasePath, input.chart, 92,
        [&](const CHtmlReportExport::ChartFile& chart) {
            HistoryPageContent content;
            content.mode = input.mode;
            content.savedDate = CHtmlReportExport::DateText(input.savedAt);
            content.fromDay = CHtmlReportExport::DateText(LocalNoonOf(input.firstDay));
            content.toDay = CHtmlReportExport::DateText(LocalNoonOf(input.lastDay));
            content.view = input.view;
            content.computers = input.computers;
            content.note = input.note;
            content.imageName = chart.name;
            content.imageWidth = chart.width;
            content.imageHeight = chart.height;
            content.rows = input.rows;
            content.totals = input.totals;
            content.homepage = VendorLinks::kHomepage;
            return HistoryHtmlText(content);
        });
}
