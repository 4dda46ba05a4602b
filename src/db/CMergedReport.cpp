// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/CMergedReport.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/CivilDay.h"
#include "core/Translate.h"
#include "core/Utf8Text.h"
#include "db/CForeignFile.h"
#include "db/DbText.h"

namespace {

constexpr char kContext[] = "CMergedReport";

constexpr int64_t kDay = 86400;
constexpr int kPeriods = 5;
// 26 hours: a day that daylight saving lengthens has 25, and a flight west adds more.
constexpr int64_t kMostSecondsADay = 26 * 3600;

// The chosen day, the day before, and the last 7, 30 and 365 days, in the report's order.
struct Period {
    int64_t days;       // 0: a single day
    int64_t dayOffset;  // for a single day
    int64_t divisor;
};
const Period kPeriodList[kPeriods] = {{0, 0, 1}, {0, 1, 1}, {7, 0, 7}, {30, 0, 30}, {365, 0, 365}};

// The periods as day texts, which compare as the days do.
struct PeriodDays {
    std::string last[kPeriods];
    std::string beforeFirst[kPeriods];  // for a range
    bool Holds(int period, const std::string& day) const {
        return kPeriodList[period].days == 0 ? day == last[period]
                                             : day <= last[period] && day > beforeFirst[period];
    }
};

PeriodDays DaysOf(int64_t day) {
    PeriodDays periods;
    for (int p = 0; p < kPeriods; ++p) {
        const Period& period = kPeriodList[p];
        periods.last[p] = FormatDbDate(day - period.dayOffset * kDay);
        if (period.days != 0) periods.beforeFirst[p] = FormatDbDate(day - period.days * kDay);
    }
    return periods;
}

std::function<void(const std::string&)>& OpenedHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

int StopWhenCancelled(void* flag) {
    return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0;
}

void StopOn(sqlite3* db, const std::atomic<bool>* cancel) {
    if (cancel != nullptr) {
        sqlite3_progress_handler(db, 1000, StopWhenCancelled,
                                 const_cast<std::atomic<bool>*>(cancel));
    }
}

struct Handle {
    Handle() = default;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { sqlite3_close_v2(db); }
    sqlite3* db = nullptr;
};

// A statement that finalizes itself; Step() is false at the end and on an error.
class Query {
  public:
    Query(sqlite3* db, const char* sql) { rc_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Query() { sqlite3_finalize(stmt_); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void Bind(int index, const std::string& text) {
        if (Ok()) sqlite3_bind_text(stmt_, index, text.c_str(), -1, SQLITE_TRANSIENT);
    }
    bool Step() {
        if (!Ok()) return false;
        const int rc = sqlite3_step(stmt_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) rc_ = rc;
        return rc == SQLITE_ROW;
    }
    bool Ok() const { return rc_ == SQLITE_OK; }
    int Rc() const { return rc_; }
    int Type(int column) const { return sqlite3_column_type(stmt_, column); }
    int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::string Text(int column) const {
        std::string text(View(column, kMaxBytes));
        TruncateUtf8(text, kReadTextChars);
        return text;
    }
    // The first bytes of a value as text, valid until the next step.
    std::string_view View(int column, size_t most) const {
        const auto* text = sqlite3_column_text(stmt_, column);
        const auto size = static_cast<size_t>(sqlite3_column_bytes(stmt_, column));
        return text != nullptr
                   ? std::string_view(reinterpret_cast<const char*>(text), std::min(size, most))
                   : std::string_view();
    }

  private:
    static constexpr size_t kMaxBytes = 4 * kReadTextChars;
    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_OK;
};

// A sum that stays at the largest value rather than wrapping.
void Add(int64_t& sum, int64_t value) {
    if (__builtin_add_overflow(sum, value, &sum)) sum = std::numeric_limits<int64_t>::max();
}

// One program or group as read from one file, or merged over all of them: its seconds in
// each slot, a period of the report or a column of a history.
struct Sums {
    int64_t key = 0;  // this computer's id; unset elsewhere
    bool hasKey = false;
    std::string path;
    std::vector<int64_t> seconds;
    std::vector<char> present;
};
using SumsByName = std::map<std::string, Sums>;

Sums& SumsOf(SumsByName& sums, const std::string& name, size_t slots) {
    Sums& entry = sums[name];
    if (entry.seconds.size() != slots) {
        entry.seconds.resize(slots);
        entry.present.resize(slots);
    }
    return entry;
}

// Where a day's seconds go: to the report's periods that hold it, or to the history's
// column of that day. window: the days this computer's file is read for, as the texts
// "d <= last AND d > beforeFirst" compare.
struct Slots {
    size_t count = 0;
    std::string last;
    std::string beforeFirst;
    std::function<void(const std::string& day, std::vector<int>& slots)> of;
};

Slots ReportSlots(const PeriodDays& periods) {
    Slots slots;
    slots.count = kPeriods;
    slots.last = periods.last[kPeriods - 1];
    slots.beforeFirst = periods.beforeFirst[kPeriods - 1];
    slots.of = [periods](const std::string& day, std::vector<int>& into) {
        for (int p = 0; p < kPeriods; ++p) {
            if (periods.Holds(p, day)) into.push_back(p);
        }
    };
    return slots;
}

Slots HistorySlots(int64_t firstDay, int64_t lastDay) {
    Slots slots;
    slots.count = static_cast<size_t>(std::max<int64_t>(lastDay - firstDay + 1, 0));
    slots.last = DayText(lastDay);
    slots.beforeFirst = DayText(firstDay - 1);
    slots.of = [firstDay, lastDay](const std::string& day, std::vector<int>& into) {
        const std::optional<int64_t> number = ParseDayText(day);
        if (number && *number >= firstDay && *number <= lastDay) {
            into.push_back(static_cast<int>(*number - firstDay));
        }
    };
    return slots;
}

// One file as read: its sums, and each plausible day's total, to compare files by.
struct FileSums {
    SumsByName sums;
    std::map<std::string, int64_t> days;
    int implausibleDays = 0;
};

// In index order, so the hour rows of one program's day come together.
const char* const kAllDays = "SELECT itemid, d, seconds FROM ttime ORDER BY itemid, d";
const char* const kDaysInYear =
    "SELECT itemid, d, seconds FROM ttime WHERE d <= ?1 AND d > ?2 ORDER BY itemid, d";

// YYYY-MM-DD of a day that exists.
bool IsDay(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (const int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (std::isdigit(static_cast<unsigned char>(text[i])) == 0) return false;
    }
    const int year = std::stoi(text.substr(0, 4));
    const int month = std::stoi(text.substr(5, 2));
    const int day = std::stoi(text.substr(8, 2));
    static const int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month >= 1 && month <= 12 && day >= 1 &&
           day <= kMonthDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

// Reads one file inside one read transaction. Rows are checked and summed here rather
// than by the engine, as a file from elsewhere may hold any value: a day with a seconds
// value that is not a whole number of 0 or more, a malformed day, or more than 26 hours
// in all is left out. window: only the days of the slots' window. False, with rc, on a
// failure; file then holds nothing of use.
bool ReadFile(sqlite3* db, const Slots& slots, bool groups, bool local, bool window, FileSums& file,
              int& rc) {
    struct Item {
        std::string name, path;
        int64_t group = 0;
    };
    struct Day {
        int64_t total = 0;
        bool plausible = true;
        std::map<int64_t, int64_t> items;
    };
    std::unordered_map<int64_t, Item> items;
    std::map<int64_t, std::string> groupNames{{0, "Default"}};
    std::map<std::string, Day> days;
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    {
        Query query(db, "SELECT id, name, path, groupid FROM titem");
        while (query.Step()) {
            // This computer's paths stay as stored: they find its programs' icons.
            items[query.Int(0)] =
                Item{ShownText(query.Text(1)), local ? query.Text(2) : ShownText(query.Text(2)),
                     query.Int(3)};
        }
        rc = query.Rc();
    }
    if (rc == SQLITE_OK && groups) {
        Query names(db, "SELECT id, name FROM tgroup");
        while (names.Step()) {
            groupNames[names.Int(0)] = ShownText(names.Text(1));
        }
        rc = names.Rc();
    }
    if (rc == SQLITE_OK) {
        Query rows(db, window ? kDaysInYear : kAllDays);
        rows.Bind(1, slots.last);
        rows.Bind(2, slots.beforeFirst);
        // The rows of one program and day are summed first, then added to their day.
        struct Run {
            int64_t id = 0;
            std::string day;
            int64_t seconds = 0;
            bool plausible = true;
        };
        std::optional<Run> run;
        const auto addRun = [&days, &run] {
            if (!run) return;
            Day& day = days[run->day];
            int64_t& item = day.items[run->id];
            day.plausible = day.plausible && run->plausible &&
                            !__builtin_add_overflow(day.total, run->seconds, &day.total) &&
                            !__builtin_add_overflow(item, run->seconds, &item);
        };
        while (rows.Step()) {
            const int64_t id = rows.Int(0);
            const std::string_view day = rows.View(1, 16);
            if (!run || run->id != id || run->day != day) {
                addRun();
                run.reset();
                // Seconds of no program, which the one-computer report leaves out too.
                if (rows.Type(0) != SQLITE_INTEGER || items.count(id) == 0) continue;
                run = Run{id, std::string(day)};
            }
            const int type = rows.Type(2);
            const int64_t seconds = type == SQLITE_INTEGER ? rows.Int(2) : 0;
            if (rows.Type(1) != SQLITE_TEXT || (type != SQLITE_INTEGER && type != SQLITE_NULL) ||
                seconds < 0 || __builtin_add_overflow(run->seconds, seconds, &run->seconds)) {
                run->plausible = false;
            }
        }
        addRun();
        rc = rows.Rc();
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return false;

    std::vector<int> held;
    for (const auto& [text, day] : days) {
        if (!day.plausible || day.total > kMostSecondsADay || !IsDay(text)) {
            ++file.implausibleDays;
            continue;
        }
        file.days[text] = day.total;
        held.clear();
        slots.of(text, held);
        if (held.empty()) continue;
        for (const auto& [id, seconds] : day.items) {
            const Item& item = items.at(id);
            std::string name = item.name;
            if (groups) {
                const auto found = groupNames.find(item.group);
                name = found != groupNames.end() ? found->second : std::string();
            }
            Sums& entry = SumsOf(file.sums, name, slots.count);
            const int64_t key = groups ? item.group : id;
            if (local && (!entry.hasKey || key < entry.key)) {
                entry.key = key;
                entry.hasKey = true;
            }
            if (!groups && entry.path.empty()) {
                entry.path = item.path;
            }
            for (const int slot : held) {
                Add(entry.seconds[static_cast<size_t>(slot)], seconds);
                entry.present[static_cast<size_t>(slot)] = true;
            }
        }
    }
    return true;
}

// Adds one file's sums; the path stays that of the first file that had one.
void AddInto(SumsByName& total, const SumsByName& file) {
    for (const auto& [name, sums] : file) {
        Sums& entry = SumsOf(total, name, sums.seconds.size());
        if (sums.hasKey && !entry.hasKey) {
            entry.key = sums.key;
            entry.hasKey = true;
        }
        if (entry.path.empty()) {
            entry.path = sums.path;
        }
        for (size_t slot = 0; slot < sums.seconds.size(); ++slot) {
            Add(entry.seconds[slot], sums.seconds[slot]);
            entry.present[slot] = entry.present[slot] || sums.present[slot];
        }
    }
}

template <typename Field>
void Store(Field& field, int64_t value) {
    field = static_cast<Field>(std::clamp<int64_t>(value, std::numeric_limits<Field>::min(),
                                                   std::numeric_limits<Field>::max()));
}

void SetPeriod(ReportRow& row, int period, int64_t value) {
    switch (period) {
        case 0:
            return Store(row.today, value);
        case 1:
            return Store(row.yesterday, value);
        case 2:
            return Store(row.week, value);
        case 3:
            return Store(row.month, value);
        default:
            return Store(row.year, value);
    }
}

// Each period's rows most used first, at most kReportRows of them, as the one-computer
// report reads them; a program first met in a later period is added at the end.
ReportTable Order(const SumsByName& total) {
    ReportTable rows;
    std::map<std::string, size_t> index;
    int64_t nextKey = -1;
    for (int p = 0; p < kPeriods; ++p) {
        std::vector<std::pair<int64_t, const std::string*>> list;
        for (const auto& [name, sums] : total) {
            if (sums.present[p]) list.emplace_back(sums.seconds[p], &name);
        }
        std::stable_sort(list.begin(), list.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (size_t read = 0; read < list.size() && read < kReportRows; ++read) {
            const std::string& name = *list[read].second;
            const int64_t value = list[read].first / kPeriodList[p].divisor;
            const auto found = index.find(name);
            if (found != index.end()) {
                SetPeriod(rows[found->second], p, value);
            } else if (rows.size() < kReportRows) {
                const Sums& sums = total.at(name);
                ReportRow row;
                Store(row.key, sums.hasKey ? sums.key : nextKey--);
                row.name = name;
                row.path = sums.path;
                SetPeriod(row, p, value);
                index.emplace(name, rows.size());
                rows.push_back(std::move(row));
            }
        }
    }
    return rows;
}

}  // namespace

void CMergedReport::SetOpenedHook(std::function<void(const std::string& file)> hook) {
    OpenedHook() = std::move(hook);
}

std::vector<std::string> CMergedReport::SnapshotsIn(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        const std::string suffix = ".hgshare";
        if (name.size() > suffix.size() && name[0] != '.' &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
            entry.is_regular_file(error)) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string CMergedReport::LeftOutText(const std::vector<LeftOut>& leftOut) {
    //: Between the files left out
    const std::string separator = Translate(kContext, QT_TRANSLATE_NOOP("CMergedReport", ", "));
    std::string files;
    for (const LeftOut& file : leftOut) {
        //: A file left out and why
        files += (files.empty() ? "" : separator) +
                 Translate(kContext, QT_TRANSLATE_NOOP("CMergedReport", "%1 (%2)"),
                           {std::filesystem::path(file.file).filename().string(), file.reason});
    }
    return files.empty()
               ? files
               : Translate(kContext, QT_TRANSLATE_NOOP("CMergedReport", "Left out: %1"), {files});
}

std::string CMergedReport::ShareNote(const std::vector<LeftOut>& leftOut,
                                     const std::string& thisComputerError, bool sharing) {
    std::string line = LeftOutText(leftOut);
    if (!thisComputerError.empty()) {
        return line.empty()
                   ? Translate(kContext,
                               QT_TRANSLATE_NOOP("CMergedReport",
                                                 "This computer's database could not be read: %1"),
                               {thisComputerError})
                   : Translate(
                         kContext,
                         QT_TRANSLATE_NOOP("CMergedReport",
                                           "This computer's database could not be read: %1. %2"),
                         {thisComputerError, line});
    }
    if (!sharing) {
        return Translate(
            kContext, QT_TRANSLATE_NOOP("CMergedReport",
                                        "No share folder is set in Options: this computer only."));
    }
    return line;
}

namespace {

// Reads this computer's file and the others into total, as the merged report and the
// merged history both count them; fills everything of result but its rows. deadlineScale
// lengthens each other file's deadline, for a history of many days.
void ReadAll(const std::string& databasePath, const std::string& computerName,
             const std::string& computerId, const std::vector<std::string>& snapshots,
             const Slots& slots, bool groups, const std::atomic<bool>* cancel, double deadlineScale,
             SumsByName& total, std::vector<std::string>& computers,
             std::vector<CMergedReport::LeftOut>& leftOut, std::string& thisComputerError) {
    const auto name = [&leftOut](const std::string& file, LeftOutReason why, int count = 0) {
        leftOut.push_back({file, LeftOutReasonText(why, count), why, count});
    };
    {
        Handle local;
        std::string error;
        FileSums file;
        int rc = SQLITE_OK;
        if (sqlite3_open_v2(databasePath.c_str(), &local.db, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK) {
            error = local.db != nullptr
                        ? sqlite3_errmsg(local.db)
                        : Translate(kContext, QT_TRANSLATE_NOOP("CMergedReport", "out of memory"));
        } else {
            sqlite3_busy_timeout(local.db, 2000);
            StopOn(local.db, cancel);
            if (!ReadFile(local.db, slots, groups, true, true, file, rc)) {
                error = rc != SQLITE_OK ? sqlite3_errmsg(local.db)
                                        : LeftOutReasonText(LeftOutReason::CannotRead);
            }
        }
        if (error.empty()) {
            AddInto(total, file.sums);
            computers.push_back(computerName);
            if (file.implausibleDays > 0) {
                name(databasePath, LeftOutReason::ImplausibleDays, file.implausibleDays);
            }
        } else {
            thisComputerError = error;
        }
    }

    // Each file is read whole into sums and closed before the next, so at most one is
    // held in memory; which of them count is decided once all are read.
    struct Other {
        std::string path, id, name;
        int64_t writtenAt = 0;
        FileSums file;
        bool counts = true;
    };
    std::vector<Other> others;
    struct stat own {};
    const bool ownKnown = ::stat(databasePath.c_str(), &own) == 0;
    for (const std::string& path : snapshots) {
        if (cancel != nullptr && cancel->load()) break;
        CForeignFile foreign(path, cancel);
        const CForeignFile::Opened opened =
            foreign.Open(ownKnown ? own.st_dev : 0, ownKnown ? own.st_ino : 0);
        if (opened == CForeignFile::Opened::IsThatFile) {
            continue;  // this computer's database, counted already
        }
        if (opened == CForeignFile::Opened::Ok && OpenedHook()) {
            OpenedHook()(path);
        }
        if (opened != CForeignFile::Opened::Ok || !foreign.Load()) {
            name(path, foreign.Reason());
            continue;
        }
        Other other;
        other.path = path;
        if (foreign.Kind() == SchemaKind::Snapshot) {
            if (!computerId.empty() && foreign.SnapshotMeta().id == computerId) {
                continue;
            }
            other.id = foreign.SnapshotMeta().id;
            other.name = foreign.SnapshotMeta().name;
            other.writtenAt = foreign.SnapshotMeta().writtenAt;
        } else {
            other.name = ShownText(std::filesystem::path(path).filename().string());
        }
        foreign.Restart(deadlineScale);
        int rc = SQLITE_OK;
        if (!ReadFile(foreign.Db(), slots, groups, false, false, other.file, rc)) {
            name(path, foreign.FailureReason(rc));
            continue;
        }
        if (other.file.implausibleDays > 0) {
            name(path, LeftOutReason::ImplausibleDays, other.file.implausibleDays);
        }
        others.push_back(std::move(other));
    }

    // Of one computer id the file written last counts; all of them are named.
    std::map<std::string, size_t> newest;
    std::map<std::string, int> seen;
    for (size_t i = 0; i < others.size(); ++i) {
        if (others[i].id.empty()) continue;
        ++seen[others[i].id];
        const auto [it, added] = newest.emplace(others[i].id, i);
        if (!added && others[i].writtenAt >= others[it->second].writtenAt) it->second = i;
    }
    for (size_t i = 0; i < others.size(); ++i) {
        if (others[i].id.empty() || seen[others[i].id] < 2) continue;
        name(others[i].path, LeftOutReason::SameComputerTwice);
        others[i].counts = newest[others[i].id] == i;
    }
    // A database and a snapshot carry no common id: the same day sums say they are one
    // computer's history, which counts once, from the first of them.
    std::vector<bool> named(others.size());
    for (size_t i = 0; i < others.size(); ++i) {
        for (size_t j = i + 1; j < others.size() && others[i].counts; ++j) {
            // Files with ids are other computers' own words on who they are.
            if (!others[j].counts || (!others[i].id.empty() && !others[j].id.empty()) ||
                others[i].file.days.empty() || others[i].file.days != others[j].file.days) {
                continue;
            }
            for (const size_t k : {i, j}) {
                if (!named[k]) name(others[k].path, LeftOutReason::SameDaySums);
                named[k] = true;
            }
            others[j].counts = false;
        }
    }
    for (const Other& other : others) {
        if (!other.counts) continue;
        AddInto(total, other.file.sums);
        computers.push_back(other.name);
    }
}

}  // namespace

CMergedReport::Result CMergedReport::Compute(const std::string& databasePath,
                                             const std::string& computerName,
                                             const std::string& computerId,
                                             const std::vector<std::string>& snapshots, int64_t day,
                                             bool groups, const std::atomic<bool>* cancel) {
    Result result;
    SumsByName total;
    ReadAll(databasePath, computerName, computerId, snapshots, ReportSlots(DaysOf(day)), groups,
            cancel, 1.0, total, result.computers, result.leftOut, result.thisComputerError);
    result.rows = Order(total);
    return result;
}

CMergedReport::HistoryResult CMergedReport::ComputeHistory(
    const std::string& databasePath, const std::string& computerName, const std::string& computerId,
    const std::vector<std::string>& snapshots, int64_t firstDay, int64_t lastDay, bool groups,
    const std::atomic<bool>* cancel) {
    HistoryResult result;
    SumsByName total;
    // A year of days is read in the time a report's year is; longer ranges get longer.
    const double scale = std::max(1.0, static_cast<double>(lastDay - firstDay + 1) / 365.0);
    ReadAll(databasePath, computerName, computerId, snapshots, HistorySlots(firstDay, lastDay),
            groups, cancel, scale, total, result.computers, result.leftOut,
            result.thisComputerError);
    int64_t nextKey = -1;
    for (auto& [name, sums] : total) {
        HistoryRow row;
        row.key = sums.hasKey ? sums.key : nextKey--;
        row.name = name;
        row.path = sums.path;
        row.values = std::move(sums.seconds);
        result.rows.push_back(std::move(row));
    }
    return result;
}
