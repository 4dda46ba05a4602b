// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/HtmlReportText.h"

#include <array>
#include <cstdio>

#include "core/LocalTime.h"
#include "core/Translate.h"

namespace {

constexpr const char* kEol = "\r\n";

void Line(std::string& out, int indent, const std::string& text) {
    out.append(static_cast<size_t>(indent), ' ');
    out += text;
    out += kEol;
}

void StyleRule(std::string& out, const char* selector, const char* properties) {
    Line(out, 0, std::string(selector) + " {");
    Line(out, 0, std::string("\t") + properties);
    Line(out, 0, "}");
}

std::string Cell(const char* attributes, const std::string& text) {
    return std::string("<TD ") + attributes + ">" + text + "</TD>";
}

// A page text in the user's language, escaped, its %1... filled with markup.
std::string PageText(const char* source, const std::vector<std::string>& markup = {}) {
    return FillPlaceholders(HtmlEscape(Translate("HtmlReportText", source)), markup);
}

std::string Bold(const std::string& text) {
    return "<b>" + HtmlEscape(text) + "</b>";
}

std::string TotalCell(const char* colour, int32_t value) {
    return std::string("<TD align=right bgColor=") + colour + "><strong>" + std::to_string(value) +
           "</strong></TD>";
}

void Head(std::string& out, const HtmlReportContent& c) {
    const std::string mode = HtmlEscape(ReportModeName(c.mode));
    Line(out, 0, R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">)");
    Line(out, 0,
         "<HTML><HEAD><TITLE>" +
             PageText(QT_TRANSLATE_NOOP("HtmlReportText", "Log Report of Hourglint")) + "</TITLE>");
    // Names are UTF-8 text.
    Line(out, 0, R"(<META http-equiv=Content-Type content="text/html; charset=utf-8">)");
    Line(out, 0, "<STYLE type=text/css>");
    Line(out, 0, "nostyle{}");
    StyleRule(out, "A", "COLOR: #0000c8; TEXT-DECORATION: none");
    StyleRule(out, "A:hover", "COLOR: #e08080; TEXT-DECORATION: underline");
    StyleRule(out, "TH",
              "BORDER-RIGHT: black 0px solid; BORDER-TOP: black 0px solid; FONT-WEIGHT: bold; "
              "FONT-SIZE: x-small; BORDER-LEFT: black 1px solid; COLOR: navy; BORDER-BOTTOM: "
              "black 1px solid; FONT-FAMILY: Tahoma,sans-serif");
    StyleRule(out, "TD",
              "BORDER-RIGHT: #dcdcdc 0px solid; BORDER-TOP: #dcdcdc 0px solid; FONT-SIZE: "
              "x-small; BORDER-LEFT: #dcdcdc 1px solid; COLOR: black; BORDER-BOTTOM: #dcdcdc "
              "1px solid; FONT-FAMILY: Verdana,sans-serif");
    StyleRule(out, "P", "FONT-SIZE: x-small; COLOR: black; FONT-FAMILY: Tahoma,Arial,sans-serif");
    StyleRule(out, "H3",
              "FONT-SIZE: x-small; COLOR: #000080; FONT-FAMILY: Tahoma,Arial,sans-serif");
    StyleRule(out, "H2", "FONT-SIZE: small; COLOR: black; FONT-FAMILY: Tahoma,Arial,sans-serif");
    Line(out, 0, "</STYLE>");
    Line(out, 0, "");
    Line(out, 0, R"(<META content="MSHTML 6.00.2900.2912" name=GENERATOR></HEAD>)");
    Line(out, 0, "<BODY bgColor=white>");
    Line(out, 0, "<p>");
    Line(out, 0,
         PageText(QT_TRANSLATE_NOOP("HtmlReportText", "Date Saved: %1"), {Bold(c.savedDate)}) +
             "<br>");
    Line(out, 0,
         PageText(QT_TRANSLATE_NOOP("HtmlReportText", "\"Today\": %1"), {Bold(c.reportDay)}) +
             "<br>");
    Line(out, 0,
         PageText(QT_TRANSLATE_NOOP("HtmlReportText", "Type: %1"), {"<b>" + mode + "</b>"}));
    Line(out, 0, "</p>");
    Line(out, 0,
         R"(<p align="center"><img src=")" + HtmlEscape(UrlEncode(c.imageName)) + R"(" width=")" +
             std::to_string(c.imageWidth) + R"(" height=")" + std::to_string(c.imageHeight) +
             R"("></p>)");
    Line(out, 0, "<TABLE cellSpacing=0 cellPadding=0 align=center>");
    Line(out, 2, "<TBODY>");
    Line(out, 2, "<TR>");
    Line(out, 4, "<TD ");
    Line(out, 4,
         R"(style="BORDER-RIGHT: black 2px solid; BORDER-TOP: black 2px solid; BORDER-LEFT: )"
         R"(black 2px solid; BORDER-BOTTOM: black 2px solid">)");
    Line(out, 6, R"(<TABLE cellSpacing=0 cellPadding=3 width="100%" bgColor=#e0e0e0>)");
    Line(out, 8, "<TBODY>");
    Line(out, 8, "<TR>");
    Line(out, 10, "<TH align=middle bgColor=#d8d8d8>#</TH>");
    Line(out, 10, "<TH align=middle bgColor=#d8d8d8>" + mode + "</TH>");
    for (const std::string& heading : ReportValueHeadings()) {
        Line(out, 10, "<TH align=middle bgColor=#d8d8d8>" + HtmlEscape(heading) + "</TH>");
    }
    Line(out, 8, "</TR>");
    Line(out, 8, "<TR>");
    Line(out, 10, "<TD align=right bgColor=#f0f0f0>&nbsp;</TD>");
    Line(out, 10,
         "<TD bgColor=#f0f0f0><strong>" + PageText(QT_TRANSLATE_NOOP("HtmlReportText", "TOTAL")) +
             "</strong></TD>");
    Line(out, 10, TotalCell("#e8e8e8", c.totals.today));
    Line(out, 10, TotalCell("#f0f0f0", c.totals.yesterday));
    Line(out, 10, TotalCell("#e8e8e8", c.totals.week));
    Line(out, 10, TotalCell("#f0f0f0", c.totals.month));
    Line(out, 10, TotalCell("#e8e8e8", c.totals.year));
    Line(out, 8, "</TR>");
}

void Row(std::string& out, size_t number, const ReportCells& cells) {
    static constexpr std::array<const char*, 5> kValueColours = {"#f7f7e8", "#fffff0", "#f7f7e8",
                                                                 "#fffff0", "#f7f7e8"};
    Line(out, 8, "<TR>");
    Line(out, 10, Cell("align=right bgColor=#fffff0", std::to_string(number)));
    Line(out, 10, Cell("bgColor=#fffff0", HtmlEscape(cells[0])));
    for (size_t i = 1; i < cells.size(); ++i) {
        Line(out, 10,
             Cell((std::string("align=right bgColor=") + kValueColours[i - 1]).c_str(),
                  HtmlEscape(cells[i])));
    }
    Line(out, 8, "</TR>");
}

void Tail(std::string& out, const std::string& homepage) {
    Line(out, 0, "</TBODY></TABLE></TD></TR></TBODY></TABLE>");
    Line(out, 0,
         R"(<p align="right">)" + PageText(QT_TRANSLATE_NOOP("HtmlReportText", "Powered by")) +
             "<br>");
    Line(out, 0,
         R"(<a href=")" + HtmlEscape(homepage) +
             R"(" target="_blank"><strong>Hourglint</strong></a></p>)");
    Line(out, 0, "</BODY></HTML>");
}

}  // namespace

std::string HtmlReportText(const HtmlReportContent& content) {
    std::string out;
    out.reserve(4096 + content.rows.size() * 400);
    Head(out, content);
    for (size_t i = 0; i < content.rows.size(); ++i) {
        Row(out, i + 1, content.rows[i]);
    }
    Tail(out, content.homepage);
    return out;
}

std::string HtmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string UrlEncode(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                                byte == '_' || byte == '~';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0f];
        }
    }
    return out;
}

std::string ChartImagePath(const std::string& reportPath) {
    // Both separators: a path typed on Windows keeps working.
    const size_t slash = reportPath.find_last_of("/\\");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = reportPath.rfind('.');
    // A leading dot names a hidden file, not an extension.
    if (dot == std::string::npos || dot <= nameStart) {
        return reportPath + ".jpg";
    }
    return reportPath.substr(0, dot + 1) + "jpg";
}

std::string ReportDateText(int64_t t) {
    static constexpr std::array<const char*, 12> kMonths = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    std::tm local{};
    if (!ToLocalTime(t, local) || local.tm_mon < 0 || local.tm_mon > 11) {
        return {};
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s %02d, %d", kMonths[local.tm_mon], local.tm_mday,
                  local.tm_year + 1900);
    return buffer;
}
