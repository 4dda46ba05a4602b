// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Translate.h"

// The program's options, read before anything needs a display. Without options the
// program starts its window; otherwise it answers on the terminal and exits.
class CCommandLine {
  public:
    enum class Action { Start, Help, Version, Report, History, BadUse };
    enum class Format { Csv, Json, Html };
    enum class By { Day, Hour };
    struct Date {
        int year = 0;
        int month = 0;
        int day = 0;
    };

    // Exit statuses of the terminal commands.
    static constexpr int kExitOk = 0;
    static constexpr int kExitFailure = 1;  // the database or a file could not be used
    static constexpr int kExitBadUse = 2;

    // args: the arguments after the program name.
    static CCommandLine Parse(const std::vector<std::string>& args);
    static CCommandLine Parse(int argc, char** argv);

    Action GetAction() const { return action_; }
    // BadUse: what is wrong, in one line, in the user's language once the translations are
    // installed (the options are read before they can be).
    std::string Problem() const;

    // Report options. No date: today.
    bool HasDate() const { return date_.year != 0; }
    int Year() const { return date_.year; }
    int Month() const { return date_.month; }
    int Day() const { return date_.day; }
    bool GroupMode() const { return group_; }
    Format GetFormat() const { return format_; }
    // Empty: standard output (not for html).
    const std::string& Output() const { return output_; }
    // Empty: the program's own database.
    const std::string& Database() const { return database_; }
    // Every --database in order: the first is this computer's, the others are read like
    // other computers' snapshots.
    const std::vector<std::string>& Databases() const { return databases_; }
    // --all-computers: this computer's database and the snapshots in the share folder.
    bool AllComputers() const { return allComputers_; }

    // History options; a range that needs today to be checked is the command's to check.
    bool HasFrom() const { return from_.year != 0; }
    const Date& From() const { return from_; }
    bool HasTo() const { return to_.year != 0; }
    const Date& To() const { return to_; }
    By GetBy() const { return by_; }

    // The texts for the terminal, in the user's language.
    static std::string HelpText();
    // The line under a bad-use message.
    static std::string UsageHint();
    static std::string VersionText();
    // Why from..to is no range a history reads (it starts after it ends, or is longer than
    // ten years); empty when it is one.
    // first and last are CivilDay numbers.
    static UserText RangeProblem(int64_t first, int64_t last);

  private:
    CCommandLine& Fail(const char* problem, std::vector<std::string> args = {});
    CCommandLine& Fail(UserText problem);

    Action action_ = Action::Start;
    UserText problem_;
    bool group_ = false;
    Date date_;
    Format format_ = Format::Csv;
    std::string output_;
    std::string database_;
    std::vector<std::string> databases_;
    bool allComputers_ = false;
    Date from_;
    Date to_;
    By by_ = By::Day;
};
