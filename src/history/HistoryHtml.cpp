// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryHtml.h"

#include "core/Translate.h"
#include "report/HtmlReportText.h"

namespace {

void Line(std::string& out, const std::string& text) {
    out += text;
    out += "\r\n";
}

void Row(std::string& out, const std::string& number, const HistoryListCells& cells, bool strong) {
    const std::string open = strong ? "<strong>" : "";
    const std::string close = strong ? "</strong>" : "";
    Line(out, "<TR>");
    Line(out, "<TD align=right bgColor=#fffff0>" + number + "</TD>");
    Line(out, "<TD bgColor=#fffff0>" + open + HtmlEscape(cells.name) + close + "</TD>");
    Line(out,
         "<TD align=right bgColor=#f7f7e8>" + open + HtmlEscape(cells.total) + close + "</TD>");
    Line(out,
         "<TD align=right bgColor=#fffff0>" + open + HtmlEscape(cells.average) + close + "</TD>");
    Line(out,
         "<TD align=right bgColor=#f7f7e8>" + open + HtmlEscape(cells.share) + close + "</TD>");
    Line(out, "</TR>");
}

// A page text in the user's language, escaped, its %1... filled with markup.
std::string PageText(const char* source, const std::vector<std::string>& markup = {}) {
    return FillPlaceholders(HtmlEscape(Translate("HistoryHtml", source)), markup);
}

std::string Bold(const std::string& text) {
    return "<b>" + HtmlEscape(text) + "</b>";
}

}  // namespace

std::string HistoryHtmlText(const HistoryPageContent& c) {
    std::string out;
    out.reserve(4096 + c.rows.size() * 300);
    const std::string mode = HtmlEscape(ReportModeName(c.mode));
    Line(out, R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">)");
    Line(out, "<HTML><HEAD><TITLE>" +
                  PageText(QT_TRANSLATE_NOOP("HistoryHtml", "History of Hourglint")) + "</TITLE>");
    Line(out, R"(<META http-equiv=Content-Type content="text/html; charset=utf-8">)");
    Line(out, "<STYLE type=text/css>");
    Line(out, "A { COLOR: #0000c8; TEXT-DECORATION: none }");
    Line(out,
         "TH { FONT-WEIGHT: bold; FONT-SIZE: x-small; COLOR: navy; BORDER-LEFT: black 1px "
         "solid; BORDER-BOTTOM: black 1px solid; FONT-FAMILY: Tahoma,sans-serif }");
    Line(out,
         "TD { FONT-SIZE: x-small; COLOR: black; BORDER-LEFT: #dcdcdc 1px solid; "
         "BORDER-BOTTOM: #dcdcdc 1px solid; FONT-FAMILY: Verdana,sans-serif }");
    Line(out, "P { FONT-SIZE: x-small; COLOR: black; FONT-FAMILY: Tahoma,Arial,sans-serif }");
    Line(out, "</STYLE></HEAD>");
    Line(out, "<BODY bgColor=white>");
    Line(out, "<p>");
    Line(out, PageText(QT_TRANSLATE_NOOP("HistoryHtml", "Date Saved: %1"), {Bold(c.savedDate)}) +
                  "<br>");
    Line(out, PageText(QT_TRANSLATE_NOOP("HistoryHtml", "From: %1 To: %2"),
                       {Bold(c.fromDay), Bold(c.toDay)}) +
                  "<br>");
    Line(out,
         PageText(QT_TRANSLATE_NOOP("HistoryHtml", "Type: %1"), {"<b>" + mode + "</b>"}) + "<br>");
    Line(out, PageText(QT_TRANSLATE_NOOP("HistoryHtml", "Chart: %1"), {Bold(c.view)}));
    if (!c.computers.empty()) {
        std::string names;
        for (const std::string& name : c.computers) {
            //: Two items of a list of computer names.
            names = names.empty() ? HtmlEscape(name)
                                  : PageText(QT_TRANSLATE_NOOP("HistoryHtml", "%1, %2"),
                                             {names, HtmlEscape(name)});
        }
        Line(out, "<br>" + PageText(QT_TRANSLATE_NOOP("HistoryHtml", "Computers: %1"),
                                    {"<b>" + names + "</b>"}));
    }
    if (!c.note.empty()) {
        Line(out, "<br>" + HtmlEscape(c.note));
    }
    Line(out, "</p>");
    Line(out, R"(<p align="center"><img src=")" + HtmlEscape(UrlEncode(c.imageName)) +
                  R"(" width=")" + std::to_string(c.imageWidth) + R"(" height=")" +
                  std::to_string(c.imageHeight) + R"("></p>)");
    Line(out,
         "<TABLE cellSpacing=0 cellPadding=3 align=center bgColor=#e0e0e0 "
         "style=\"BORDER: black 2px solid\">");
    Line(out, "<TBODY>");
    Line(out, "<TR>");
    for (const std::string& heading :
         {std::string("#"), mode, PageText(QT_TRANSLATE_NOOP("HistoryHtml", "Total")),
          PageText(QT_TRANSLATE_NOOP("HistoryHtml", "Daily Average")),
          PageText(QT_TRANSLATE_NOOP("HistoryHtml", "Share"))}) {
        Line(out, "<TH align=middle bgColor=#d8d8d8>" + heading + "</TH>");
    }
    Line(out, "</TR>");
    Row(out, "&nbsp;", c.totals, true);
    for (size_t i = 0; i < c.rows.size(); ++i) {
        Row(out, std::to_string(i + 1), c.rows[i], false);
    }
    Line(out, "</TBODY></TABLE>");
    Line(out, R"(<p align="right">)" + PageText(QT_TRANSLATE_NOOP("HistoryHtml", "Powered by")) +
                  "<br>");
    Line(out, R"(<a href=")" + HtmlEscape(c.homepage) +
                  R"(" target="_blank"><strong>Hourglint</strong></a></p>)");
    Line(out, "</BODY></HTML>");
    return out;
}
