// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CCommandLine.h"

#include <algorithm>
#include <utility>

#include "core/CivilDay.h"
#include "core/Translate.h"
#include "core/Utf8Text.h"
#include "history/CHistoryModel.h"

namespace {

constexpr char kContext[] = "CCommandLine";

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Reads exactly YYYY-MM-DD naming a real calendar day.
bool ParseDate(const std::string& text, int& year, int& month, int& day) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    const auto number = [&text](size_t from, size_t count) {
        return std::stoi(text.substr(from, count));
    };
    year = number(0, 4);
    month = number(5, 2);
    day = number(8, 2);
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

}  // namespace

CCommandLine& CCommandLine::Fail(const char* problem, std::vector<std::string> args) {
    return Fail(UserText{kContext, problem, std::move(args)});
}

CCommandLine& CCommandLine::Fail(UserText problem) {
    action_ = Action::BadUse;
    problem_ = std::move(problem);
    return *this;
}

std::string CCommandLine::Problem() const {
    return problem_.Text();
}

CCommandLine CCommandLine::Parse(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    return Parse(args);
}

CCommandLine CCommandLine::Parse(const std::vector<std::string>& args) {
    CCommandLine line;
    bool report = false;
    bool history = false;
    bool help = false;
    bool version = false;
    bool date = false;
    std::string reportOption;   // the first option of a report or a history, for "needs"
    std::string historyOption;  // the first option of a history only

    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasValue = false;
        // --name=value as well as --name value.
        const size_t equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
            hasValue = true;
        }
        const auto takeValue = [&]() -> bool {
            if (hasValue) return true;
            if (i + 1 >= args.size()) return false;
            value = args[++i];
            return true;
        };
        const bool historyValue = name == "--from" || name == "--to" || name == "--by";
        const bool takesValue = name == "--date" || name == "--format" || name == "--output" ||
                                name == "--database" || historyValue;
        if (hasValue && !takesValue) {
            return line.Fail(QT_TRANSLATE_NOOP("CCommandLine", "option '%1' takes no value"),
                             {name});
        }

        if (name == "-h" || name == "--help") {
            help = true;
        } else if (name == "-v" || name == "--version") {
            version = true;
        } else if (name == "--report") {
            report = true;
        } else if (name == "--history") {
            history = true;
        } else if (name == "--group") {
            line.group_ = true;
            if (reportOption.empty()) reportOption = name;
        } else if (name == "--all-computers") {
            line.allComputers_ = true;
            if (reportOption.empty()) reportOption = name;
        } else if (takesValue) {
            if (!takeValue()) {
                return line.Fail(QT_TRANSLATE_NOOP("CCommandLine", "option '%1' needs a value"),
                                 {name});
            }
            if (historyValue) {
                if (historyOption.empty()) historyOption = name;
            } else if (reportOption.empty()) {
                reportOption = name;
            }
            if (name == "--date" || name == "--from" || name == "--to") {
                Date& into = name == "--from" ? line.from_ : name == "--to" ? line.to_ : line.date_;
                if (!ParseDate(value, into.year, into.month, into.day)) {
                    into = Date();
                    return line.Fail(QT_TRANSLATE_NOOP("CCommandLine",
                                                       "malformed date '%1': expected YYYY-MM-DD"),
                                     {value});
                }
                date = date || name == "--date";
            } else if (name == "--by") {
                if (value == "day") {
                    line.by_ = By::Day;
                } else if (value == "hour") {
                    line.by_ = By::Hour;
                } else {
                    return line.Fail(
                        QT_TRANSLATE_NOOP("CCommandLine",
                                          "unknown value '%1' of --by: expected day or hour"),
                        {value});
                }
            } else if (name == "--format") {
                if (value == "csv") {
                    line.format_ = Format::Csv;
                } else if (value == "json") {
                    line.format_ = Format::Json;
                } else if (value == "html") {
                    line.format_ = Format::Html;
                } else {
                    return line.Fail(
                        QT_TRANSLATE_NOOP("CCommandLine",
                                          "unknown format '%1': expected csv, json or html"),
                        {value});
                }
            } else if (value.empty()) {
                return line.Fail(QT_TRANSLATE_NOOP("CCommandLine", "option '%1' needs a file name"),
                                 {name});
            } else if (name == "--output") {
                line.output_ = value;
            } else {
                if (line.databases_.empty()) line.database_ = value;
                line.databases_.push_back(value);
            }
        } else if (name.size() > 1 && name[0] == '-') {
            return line.Fail(QT_TRANSLATE_NOOP("CCommandLine", "unknown option '%1'"), {name});
        } else {
            return line.Fail(QT_TRANSLATE_NOOP("CCommandLine", "unexpected argument '%1'"), {name});
        }
    }

    // Help and version win over the other options, once all of them are understood.
    if (help) {
        line.action_ = Action::Help;
        return line;
    }
    if (version) {
        line.action_ = Action::Version;
        return line;
    }
    if (report && history) {
        return line.Fail(
            QT_TRANSLATE_NOOP("CCommandLine", "--report and --history cannot go together"));
    }
    if (!history && !historyOption.empty()) {
        return line.Fail(QT_TRANSLATE_NOOP("CCommandLine", "option '%1' needs --history"),
                         {historyOption});
    }
    if (history && date) {
        return line.Fail(
            QT_TRANSLATE_NOOP("CCommandLine",
                              "option '%1' goes with --report; a history takes --from and --to"),
            {"--date"});
    }
    if (report || history) {
        if (line.format_ == Format::Html && line.output_.empty()) {
            return line.Fail(
                QT_TRANSLATE_NOOP("CCommandLine", "the html format needs --output FILE"));
        }
        if (history && line.HasFrom() && line.HasTo()) {
            const int64_t first = DayNumber(line.from_.year, line.from_.month, line.from_.day);
            const int64_t last = DayNumber(line.to_.year, line.to_.month, line.to_.day);
            if (UserText problem = RangeProblem(first, last); !problem.Empty()) {
                return line.Fail(std::move(problem));
            }
        }
        line.action_ = report ? Action::Report : Action::History;
    } else if (!reportOption.empty()) {
        return line.Fail(QT_TRANSLATE_NOOP("CCommandLine", "option '%1' needs --report"),
                         {reportOption});
    }
    return line;
}

UserText CCommandLine::RangeProblem(int64_t first, int64_t last) {
    if (first > last) {
        return {
            kContext,
            QT_TRANSLATE_NOOP("CCommandLine", "the range starts after it ends: --from %1 --to %2"),
            {DayText(first), DayText(last)}};
    }
    if (last - first + 1 > kMostHistoryDays) {
        return {kContext,
                QT_TRANSLATE_NOOP("CCommandLine", "a history covers at most %1 days, not %2"),
                {std::to_string(kMostHistoryDays), std::to_string(last - first + 1)}};
    }
    return {};
}

namespace {

// A row of --help's option table: the option, indented by two or four spaces, and its text,
// both starting in their columns, the text's further lines too. No option: a heading.
struct HelpRow {
    int indent;
    const char* option;  // marked when it names a value
    const char* text;
};

const HelpRow kHelpRows[] = {
    {2, "-h, --help", QT_TRANSLATE_NOOP("CCommandLine", "show this help and exit")},
    {2, "-v, --version", QT_TRANSLATE_NOOP("CCommandLine", "show the version and exit")},
    {2, "--report",
     QT_TRANSLATE_NOOP("CCommandLine", "write one day's report and exit, without a window:")},
    //: The option stays; YYYY-MM-DD names its value.
    {4, QT_TRANSLATE_NOOP("CCommandLine", "--date YYYY-MM-DD"),
     QT_TRANSLATE_NOOP("CCommandLine", "the day (default: today)")},
    {2, "--history",
     QT_TRANSLATE_NOOP("CCommandLine", "write a range of days and exit, without a window:")},
    //: The option stays; YYYY-MM-DD names its value.
    {4, QT_TRANSLATE_NOOP("CCommandLine", "--from YYYY-MM-DD"),
     QT_TRANSLATE_NOOP("CCommandLine", "the first day (default: six days before --to)")},
    //: The option stays; YYYY-MM-DD names its value.
    {4, QT_TRANSLATE_NOOP("CCommandLine", "--to YYYY-MM-DD"),
     QT_TRANSLATE_NOOP("CCommandLine", "the last day (default: today); at most %1 days in all")},
    {4, "--by day|hour",
     QT_TRANSLATE_NOOP("CCommandLine",
                       "a column per day (default), or 24 columns: the seconds of\n"
                       "each hour of day summed over the range")},
    //: A heading in --help, indented by two spaces like the options above it.
    {0, nullptr, QT_TRANSLATE_NOOP("CCommandLine", "  for both:")},
    {4, "--group",
     QT_TRANSLATE_NOOP("CCommandLine", "one row per group instead of one per program")},
    //: The option stays; FORMAT names its value.
    {4, QT_TRANSLATE_NOOP("CCommandLine", "--format FORMAT"),
     QT_TRANSLATE_NOOP("CCommandLine",
                       "csv (default) or json, written to standard output, or\n"
                       "html, written to --output with the chart image beside it\n"
                       "(FILE with its extension replaced by .jpg)")},
    //: The option stays; FILE names its value.
    {4, QT_TRANSLATE_NOOP("CCommandLine", "--output FILE"),
     QT_TRANSLATE_NOOP("CCommandLine", "write to FILE instead of standard output")},
    //: The option stays; FILE names its value.
    {4, QT_TRANSLATE_NOOP("CCommandLine", "--database FILE"),
     QT_TRANSLATE_NOOP("CCommandLine",
                       "the database to read (default: HG.mdb beside the program,\n"
                       "or in ~/.local/share/Hourglint/Hourglint/); given again,\n"
                       "other computers' snapshots (*.hgshare) to add")},
    {4, "--all-computers",
     QT_TRANSLATE_NOOP("CCommandLine", "add the snapshots in the share folder set in the Options")},
};

}  // namespace

std::string CCommandLine::HelpText() {
    std::string text =
        //: --help: keep the two usage lines; break lines before 80 characters.
        Translate(kContext, QT_TRANSLATE_NOOP("CCommandLine",
                                              "Usage: hourglint [--report [OPTION]...]\n"
                                              "       hourglint [--history [OPTION]...]\n"
                                              "Measures how long each program is in the "
                                              "foreground. Without options it starts\n"
                                              "its window, which needs an X11 session or a "
                                              "Wayland session of GNOME Shell,\n"
                                              "KDE Plasma, sway or a wlroots compositor "
                                              "(labwc, wayfire, river...)."));
    text += "\n\n";
    const std::vector<std::string> args = {std::to_string(kMostHistoryDays)};
    for (const HelpRow& row : kHelpRows) {
        const std::string rowText = Translate(kContext, row.text, args);
        if (row.option == nullptr) {
            text += rowText + '\n';
            continue;
        }
        // The texts of the options start in column 21, of the ones under them in 23.
        std::string option = std::string(row.indent, ' ') + Translate(kContext, row.option);
        const size_t columns = TerminalColumns(option);
        option.append(
            std::max<size_t>(2, 19 + row.indent - std::min<size_t>(columns, 19 + row.indent)), ' ');
        const std::string indent(TerminalColumns(option), ' ');
        text += option;
        for (size_t start = 0; start <= rowText.size();) {
            const size_t end = std::min(rowText.find('\n', start), rowText.size());
            text += (start == 0 ? "" : indent) + rowText.substr(start, end - start) + '\n';
            start = end + 1;
        }
    }
    text += '\n';
    text += Translate(
        kContext,
        QT_TRANSLATE_NOOP("CCommandLine",
                          "A report lists the day, the day before and the average day of the "
                          "last 7, 30\n"
                          "and 365 days, in seconds. A history lists every program with a second "
                          "in the\n"
                          "range, its total and its seconds per day or hour. Both only read the "
                          "database,\n"
                          "so they may run while Hourglint is measuring."));
    text += "\n\n";
    text += Translate(kContext,
                      QT_TRANSLATE_NOOP("CCommandLine",
                                        "Exit status: 0 on success, 1 when the database or the "
                                        "output cannot be used,\n"
                                        "2 on bad use."));
    return text + '\n';
}

std::string CCommandLine::UsageHint() {
    return Translate(kContext,
                     QT_TRANSLATE_NOOP("CCommandLine",
                                       "Usage: hourglint [--help] [--version] [--report [--date "
                                       "YYYY-MM-DD] | --history [--from YYYY-MM-DD] [--to "
                                       "YYYY-MM-DD] [--by day|hour]] [--group] [--format "
                                       "csv|json|html] [--output FILE] [--database FILE]... "
                                       "[--all-computers]"));
}

std::string CCommandLine::VersionText() {
    return std::string("Hourglint ") + HOURGLINT_VERSION + '\n' +
           Translate(kContext,
                     QT_TRANSLATE_NOOP("CCommandLine",
                                       "License GPLv3+: GNU GPL version 3 or later "
                                       "<https://gnu.org/licenses/gpl.html>.\n"
                                       "This is free software: you are free to change and "
                                       "redistribute it. There is NO WARRANTY."));
}
