// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CCommandLine.h"

#include <utility>

#include "core/CivilDay.h"
#include "history/CHistoryModel.h"

namespace {

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

CCommandLine& CCommandLine::Fail(std::string problem) {
    action_ = Action::BadUse;
    problem_ = std::move(problem);
    return *this;
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
            return line.Fail("option '" + name + "' takes no value");
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
                return line.Fail("option '" + name + "' needs a value");
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
                    return line.Fail("malformed date '" + value + "': expected YYYY-MM-DD");
                }
                date = date || name == "--date";
            } else if (name == "--by") {
                if (value == "day") {
                    line.by_ = By::Day;
                } else if (value == "hour") {
                    line.by_ = By::Hour;
                } else {
                    return line.Fail("unknown value '" + value + "' of --by: expected day or hour");
                }
            } else if (name == "--format") {
                if (value == "csv") {
                    line.format_ = Format::Csv;
                } else if (value == "json") {
                    line.format_ = Format::Json;
                } else if (value == "html") {
                    line.format_ = Format::Html;
                } else {
                    return line.Fail("unknown format '" + value + "': expected csv, json or html");
                }
            } else if (value.empty()) {
                return line.Fail("option '" + name + "' needs a file name");
            } else if (name == "--output") {
                line.output_ = value;
            } else {
                if (line.databases_.empty()) line.database_ = value;
                line.databases_.push_back(value);
            }
        } else if (name.size() > 1 && name[0] == '-') {
            return line.Fail("unknown option '" + name + "'");
        } else {
            return line.Fail("unexpected argument '" + name + "'");
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
        return line.Fail("--report and --history cannot go together");
    }
    if (!history && !historyOption.empty()) {
        return line.Fail("option '" + historyOption + "' needs --history");
    }
    if (history && date) {
        return line.Fail("option '--date' goes with --report; a history takes --from and --to");
    }
    if (report || history) {
        if (line.format_ == Format::Html && line.output_.empty()) {
            return line.Fail("the html format needs --output FILE");
        }
        if (history && line.HasFrom() && line.HasTo()) {
            const int64_t first = DayNumber(line.from_.year, line.from_.month, line.from_.day);
            const int64_t last = DayNumber(line.to_.year, line.to_.month, line.to_.day);
            if (const std::string problem = RangeProblem(first, last); !problem.empty()) {
                return line.Fail(problem);
            }
        }
        line.action_ = report ? Action::Report : Action::History;
    } else if (!reportOption.empty()) {
        return line.Fail("option '" + reportOption + "' needs --report");
    }
    return line;
}

std::string CCommandLine::RangeProblem(int64_t first, int64_t last) {
    if (first > last) {
        return "the range starts after it ends: --from " + DayText(first) + " --to " +
               DayText(last);
    }
    if (last - first + 1 > kMostHistoryDays) {
        return "a history covers at most " + std::to_string(kMostHistoryDays) + " days, not " +
               std::to_string(last - first + 1);
    }
    return {};
}

const char* CCommandLine::HelpText() {
    return "Usage: hourglint [--report [OPTION]...]\n"
           "       hourglint [--history [OPTION]...]\n"
           "Measures how long each program is in the foreground. Without options it starts\n"
           "its window, which needs an X11 session or a Wayland session of sway or KDE\n"
           "Plasma.\n"
           "\n"
           "  -h, --help         show this help and exit\n"
           "  -v, --version      show the version and exit\n"
           "  --report           write one day's report and exit, without a window:\n"
           "    --date YYYY-MM-DD  the day (default: today)\n"
           "  --history          write a range of days and exit, without a window:\n"
           "    --from YYYY-MM-DD  the first day (default: six days before --to)\n"
           "    --to YYYY-MM-DD    the last day (default: today); at most 3660 days in all\n"
           "    --by day|hour      a column per day (default), or 24 columns: the seconds of\n"
           "                       each hour of day summed over the range\n"
           "  for both:\n"
           "    --group            one row per group instead of one per program\n"
           "    --format FORMAT    csv (default) or json, written to standard output, or\n"
           "                       html, written to --output with the chart image beside it\n"
           "                       (FILE with its extension replaced by .jpg)\n"
           "    --output FILE      write to FILE instead of standard output\n"
           "    --database FILE    the database to read (default: HG.mdb beside the program,\n"
           "                       or in ~/.local/share/Hourglint/Hourglint/); given again,\n"
           "                       other computers' snapshots (*.hgshare) to add\n"
           "    --all-computers    add the snapshots in the share folder set in the Options\n"
           "\n"
           "A report lists the day, the day before and the average day of the last 7, 30\n"
           "and 365 days, in seconds. A history lists every program with a second in the\n"
           "range, its total and its seconds per day or hour. Both only read the database,\n"
           "so they may run while Hourglint is measuring.\n"
           "\n"
           "Exit status: 0 on success, 1 when the database or the output cannot be used,\n"
           "2 on bad use.\n";
}

const char* CCommandLine::UsageHint() {
    return "Usage: hourglint [--help] [--version] [--report [--date YYYY-MM-DD] | --history "
           "[--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by day|hour]] [--group] "
           "[--format csv|json|html] [--output FILE] [--database FILE]... [--all-computers]";
}

std::string CCommandLine::VersionText() {
    return std::string("Hourglint ") + HOURGLINT_VERSION +
           "\nLicense GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it. There is NO "
           "WARRANTY.";
}
