// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/CUsageDb.h"

#include <sqlite3.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>

#include "core/CAppSettings.h"
#include "core/CivilDay.h"
#include "core/LocalTime.h"
#include "core/Message.h"
#include "core/Translate.h"
#include "db/DbText.h"
#include "db/SqliteConnection.h"
#include "db/SqliteError.h"
#include "db/SqliteStatement.h"

namespace {

struct OperationTexts {
    const char* connection;
    const char* statement;
};

// Indexed by CUsageDb::Operation; %1 is the error's own text.
const OperationTexts kTexts[] = {
    {QT_TRANSLATE_NOOP("CUsageDb", "Fail to connect to the DB when flush!\nError information:%1"),
     QT_TRANSLATE_NOOP("CUsageDb", "Fail to save data into Database!\nError Information: %1")},
    {QT_TRANSLATE_NOOP("CUsageDb", "Fail to connect to the DB when load DB!\nError information:%1"),
     QT_TRANSLATE_NOOP("CUsageDb", "Fail to load data from Database!\nError Information: %1")},
    {QT_TRANSLATE_NOOP("CUsageDb",
                       "Fail to connect to the DB when load DB for group!\nError information:%1"),
     QT_TRANSLATE_NOOP("CUsageDb", "Fail to load data from Database!\nError Information: %1")},
    {QT_TRANSLATE_NOOP("CUsageDb",
                       "Fail to connect to the DB when add group!\nError information:%1"),
     QT_TRANSLATE_NOOP("CUsageDb", "Fail to add group from Database!\nError Information: %1")},
    {QT_TRANSLATE_NOOP("CUsageDb",
                       "Fail to connect to the DB when delete Group!\nError information:%1"),
     QT_TRANSLATE_NOOP("CUsageDb", "Fail to delete Group!\nError Information: %1")},
    {QT_TRANSLATE_NOOP("CUsageDb",
                       "Fail to connect to the DB when update item!\nError information:%1"),
     QT_TRANSLATE_NOOP("CUsageDb", "Fail to update item!\nError Information: %1")},
    {QT_TRANSLATE_NOOP("CUsageDb",
                       "Fail to connect to the DB when report process!\nError information:%1"),
     QT_TRANSLATE_NOOP("CUsageDb", "Fail to report process!\nError Information: %1")},
    {QT_TRANSLATE_NOOP("CUsageDb",
                       "Fail to connect to the DB when report group!\nError information:%1"),
     QT_TRANSLATE_NOOP("CUsageDb", "Fail to report group!\nError Information: %1")},
    {QT_TRANSLATE_NOOP("CUsageDb",
                       "Fail to connect to the DB when report history!\nError information:%1"),
     QT_TRANSLATE_NOOP("CUsageDb", "Fail to report history!\nError Information: %1")},
};
static_assert(std::size(kTexts) == static_cast<size_t>(CUsageDb::Operation::Count));

const char* const kFindItem = "SELECT id, path FROM titem WHERE name = ?";
const char* const kInsertItem = "INSERT INTO titem(name, compunit, path) VALUES ( ?, ?, ?)";
const char* const kLastItemId = "SELECT MAX(id) as c_id FROM titem";
const char* const kUpdatePath = "UPDATE titem SET path = ? WHERE id = ?";
const char* const kFindHour = "SELECT id FROM ttime WHERE itemid = ? AND d = ? AND h = ?";
const char* const kInsertHour = "INSERT INTO ttime(itemid, d, h, seconds) VALUES ( ?, ?, ?, ?)";
const char* const kAddToHour = "UPDATE ttime SET seconds = COALESCE(seconds, 0) + ? WHERE id = ?";
const char* const kTakeFromHour =
    "UPDATE ttime SET seconds = MAX(COALESCE(seconds, 0) - ?, 0) WHERE id = ?";
const char* const kDropEmptyHour = "DELETE FROM ttime WHERE id = ? AND seconds = 0";

// A day's or period's seconds: null and text count as 0, and a sum too large for 64 bits
// reads as the largest value instead of failing the statement.
#define HG_SECONDS_AS_SS "COALESCE(CAST(TOTAL(seconds) AS INTEGER), 0) AS ss "

const char* const kLoadDay =
    "SELECT titem.name as name, titem.path as path, " HG_SECONDS_AS_SS
    "FROM ttime,titem WHERE d = ? and titem.id = ttime.itemid GROUP BY name, path";

// The report's statements over the hour rows, and the same over the roll-up by day, which
// has a row for a program's day exactly when the hour rows have one.
#define HG_PROCESS_DAY(TABLE)                                                          \
    "SELECT titem.id AS id, titem.name AS name, titem.path AS path, " HG_SECONDS_AS_SS \
    "FROM " TABLE ", titem WHERE titem.id=" TABLE                                      \
    ".itemid AND d = ? "                                                               \
    "GROUP BY name, path, titem.id ORDER BY ss DESC"
#define HG_PROCESS_RANGE(TABLE)                                                        \
    "SELECT titem.id AS id, titem.name AS name, titem.path AS path, " HG_SECONDS_AS_SS \
    "FROM " TABLE ", titem WHERE titem.id=" TABLE                                      \
    ".itemid AND d <= ? AND d > ? "                                                    \
    "GROUP BY name, path, titem.id ORDER BY ss DESC"
#define HG_GROUP_DAY(TABLE)                                                           \
    "SELECT groupid, " HG_SECONDS_AS_SS "FROM " TABLE ", titem WHERE titem.id=" TABLE \
    ".itemid AND d = ? GROUP BY groupid ORDER BY ss DESC"
#define HG_GROUP_RANGE(TABLE)                                                         \
    "SELECT groupid, " HG_SECONDS_AS_SS "FROM " TABLE ", titem WHERE titem.id=" TABLE \
    ".itemid AND d <= ? AND d > ? GROUP BY groupid ORDER BY ss DESC"

struct ReportStatements {
    const char* processDay;
    const char* processRange;
    const char* groupDay;
    const char* groupRange;
};
const ReportStatements kFromHours = {HG_PROCESS_DAY("ttime"), HG_PROCESS_RANGE("ttime"),
                                     HG_GROUP_DAY("ttime"), HG_GROUP_RANGE("ttime")};
const ReportStatements kFromDays = {HG_PROCESS_DAY("tday"), HG_PROCESS_RANGE("tday"),
                                    HG_GROUP_DAY("tday"), HG_GROUP_RANGE("tday")};
const char* const kGroupNames = "SELECT id, name FROM tgroup";

const ReportStatements& StatementsFor(const SqliteConnection& connection) {
    return connection.DayTotalsReady() ? kFromDays : kFromHours;
}

#undef HG_PROCESS_DAY
#undef HG_PROCESS_RANGE
#undef HG_GROUP_DAY
#undef HG_GROUP_RANGE
#undef HG_SECONDS_AS_SS

constexpr int64_t kDay = 86400;

// A sum or average as a report cell shows it: the largest value when it does not fit.
int32_t CellValue(int64_t seconds) {
    return static_cast<int32_t>(std::clamp<int64_t>(seconds, INT32_MIN, INT32_MAX));
}

// The periods after the chosen day, in the order their rows are merged.
struct Period {
    int64_t lowerOffset;  // 0: a single day
    int64_t dayOffset;
    int64_t divisor;
    int32_t ReportRow::*field;
};
const Period kLaterPeriods[] = {
    {0, kDay, 1, &ReportRow::yesterday},
    {7 * kDay, 0, 7, &ReportRow::week},
    {30 * kDay, 0, 30, &ReportRow::month},
    {365 * kDay, 0, 365, &ReportRow::year},
};

void Merge(ReportTable& rows, int64_t key, const std::string& name, const std::string& path,
           int32_t ReportRow::*field, int32_t value) {
    for (ReportRow& row : rows) {
        if (row.key == key) {
            row.*field = value;
            return;
        }
    }
    if (rows.size() < kReportRows) {
        ReportRow row;
        row.key = key;
        row.name = name;
        row.path = path;
        row.*field = value;
        rows.push_back(std::move(row));
    }
}

// Binds the day, or the day and the lower bound of a range, of a period ending at day.
void BindPeriod(SqliteStatement& statement, int64_t day, const Period& period) {
    statement.Reset();
    if (period.lowerOffset == 0) {
        statement.Bind(1, FormatDbDate(day - period.dayOffset));
    } else {
        statement.Bind(1, FormatDbDate(day));
        statement.Bind(2, FormatDbDate(day - period.lowerOffset));
    }
}

// Failures of the file or the connection rather than of one row: every other row would
// meet them too, so the whole flush fails and keeps everything pending.
bool FailsEveryRow(const SqliteError& error) {
    switch (error.Code()) {
        case SQLITE_READONLY:
        case SQLITE_IOERR:
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_NOMEM:
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_INTERRUPT:
        case SQLITE_PROTOCOL:
            return true;
        default:
            return false;
    }
}

// The statements that write one pending row under a day and hour, prepared once a flush.
class RowWriter {
  public:
    RowWriter(SqliteConnection& connection, std::string day, int hour)
        : findItem_(connection, kFindItem),
          insertItem_(connection, kInsertItem),
          lastItemId_(connection, kLastItemId),
          updatePath_(connection, kUpdatePath),
          findHour_(connection, kFindHour),
          insertHour_(connection, kInsertHour),
          addToHour_(connection, kAddToHour),
          takeFromHour_(connection, kTakeFromHour),
          dropEmptyHour_(connection, kDropEmptyHour),
          day_(std::move(day)),
          hour_(hour) {}

    // Takes owed seconds off their stored hour; an hour left at 0 goes.
    void TakeBack(const CUsageDb::OwedSeconds& owed) {
        findItem_.Reset();
        findItem_.Bind(1, QuoteSqlText(owed.name));
        if (!findItem_.Step() || findItem_.IsNull("id")) {
            return;  // never stored: nothing to take
        }
        findHour_.Reset();
        findHour_.Bind(1, findItem_.Int("id"));
        findHour_.Bind(2, owed.day);
        findHour_.Bind(3, int64_t{owed.hour});
        if (!findHour_.Step() || findHour_.IsNull("id")) {
            return;
        }
        const int64_t hourId = findHour_.Int("id");
        takeFromHour_.Reset();
        takeFromHour_.Bind(1, int64_t{owed.seconds});
        takeFromHour_.Bind(2, hourId);
        takeFromHour_.Run();
        dropEmptyHour_.Reset();
        dropEmptyHour_.Bind(1, hourId);
        dropEmptyHour_.Run();
    }

    void Write(const PendingEntry& entry) {
        const std::string name = QuoteSqlText(entry.name);
        const std::string path = QuoteSqlText(entry.path);

        int64_t itemId = -1;
        findItem_.Reset();
        findItem_.Bind(1, name);
        if (!findItem_.Step()) {
            insertItem_.Reset();
            insertItem_.Bind(1, name);
            insertItem_.Bind(2, int64_t{0});
            insertItem_.Bind(3, path);
            insertItem_.Run();
            lastItemId_.Reset();
            if (lastItemId_.Step()) {
                itemId = lastItemId_.Int("c_id");
            }
        } else {
            if (!findItem_.IsNull("id")) {
                itemId = findItem_.Int("id");
            }
            // Compared as stored, so a path longer than a stored text is not rewritten at
            // every flush.
            if (findItem_.Text("path") != path) {
                updatePath_.Reset();
                updatePath_.Bind(1, path);
                updatePath_.Bind(2, itemId);
                updatePath_.Run();
            }
        }

        findHour_.Reset();
        findHour_.Bind(1, itemId);
        findHour_.Bind(2, day_);
        findHour_.Bind(3, hour_);
        if (!findHour_.Step()) {
            insertHour_.Reset();
            insertHour_.Bind(1, itemId);
            insertHour_.Bind(2, day_);
            insertHour_.Bind(3, hour_);
            insertHour_.Bind(4, int64_t{entry.seconds});
            insertHour_.Run();
        } else {
            const int64_t hourId = findHour_.IsNull("id") ? -1 : findHour_.Int("id");
            addToHour_.Reset();
            addToHour_.Bind(1, int64_t{entry.seconds});
            addToHour_.Bind(2, hourId);
            addToHour_.Run();
        }
    }

  private:
    SqliteStatement findItem_;
    SqliteStatement insertItem_;
    SqliteStatement lastItemId_;
    SqliteStatement updatePath_;
    SqliteStatement findHour_;
    SqliteStatement insertHour_;
    SqliteStatement addToHour_;
    SqliteStatement takeFromHour_;
    SqliteStatement dropEmptyHour_;
    std::string day_;
    int64_t hour_;
};

int StopWhenCancelled(void* flag) {
    return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0;
}

}  // namespace

CUsageDb::CUsageDb(std::string path) : CUsageDb(std::move(path), TheSettings()) {}

CUsageDb::CUsageDb(std::string path, const CAppSettings& settings)
    : path_(std::move(path)), settings_(settings) {}

template <typename Body>
bool CUsageDb::Run(Operation operation, Body&& body, int busyTimeoutMs) {
    Failure failure = Failure::None;
    std::string error;
    {
        SqliteConnection connection;
        const auto mode =
            readOnly_ ? SqliteConnection::Mode::ReadOnly : SqliteConnection::Mode::ReadWrite;
        if (!connection.Open(path_, busyTimeoutMs < 0 ? busyTimeoutMs_ : busyTimeoutMs, mode)) {
            failure = Failure::Connection;
            error = connection.ErrorText();
        } else {
            readImmutable_ = readImmutable_ || connection.IsImmutable();
            if (cancel_ != nullptr) {
                sqlite3_progress_handler(connection.Handle(), 1000, StopWhenCancelled,
                                         const_cast<std::atomic<bool>*>(cancel_));
            }
            try {
                body(connection);
            } catch (const SqliteError& e) {
                failure = Failure::Statement;
                error = e.what();
            }
        }
    }
    // Only now, with the connection gone, so the message never holds a lock.
    if (failure != Failure::None) {
        Report(operation, failure, error);
    }
    return failure == Failure::None;
}

bool CUsageDb::Report(Operation operation, Failure failure, const std::string& text) {
    const size_t slot = static_cast<size_t>(operation);
    if ((*showing_)[slot]) {
        return false;
    }
    const OperationTexts& texts = kTexts[slot];
    const std::string message = Translate(
        "CUsageDb", failure == Failure::Connection ? texts.connection : texts.statement, {text});
    if (sink_) {
        sink_(message);
        return true;
    }
    (*showing_)[slot] = true;
    // The box may outlive this object: the flag goes with the last of the two.
    std::weak_ptr<ShowingFlags> flags = showing_;
    ShowMessage(message, [flags, slot] {
        if (const std::shared_ptr<ShowingFlags> alive = flags.lock()) {
            (*alive)[slot] = false;
        }
    });
    return true;
}

void CUsageDb::AddSecond(int64_t now, const std::string& name, const std::string& path) {
    auto entry = pending_.rbegin();
    while (entry != pending_.rend() && entry->name != name) {
        ++entry;
    }
    if (entry != pending_.rend()) {
        ++entry->seconds;
    } else {
        pending_.push_back(PendingEntry{name, 1, path});
    }

    const int32_t elapsed = static_cast<int32_t>(now - lastFlush_);
    std::tm local{};
    const bool endOfHour = ToLocalTime(now, local) && local.tm_min == 59 && local.tm_sec == 59;
    if (elapsed >= settings_.Values().iAutoSave || endOfHour) {
        // Inside the one-second step a long wait would cost measured seconds; what stays
        // pending is written by a later flush.
        FlushWaiting(now, now, std::min(busyTimeoutMs_, kTickBusyTimeoutMs));
    }
}

void CUsageDb::StopCounting(int64_t now, int64_t lastCounted,
                            const std::vector<CreditedRun>& takeBack) {
    for (const CreditedRun& run : takeBack) {
        // The pending seconds of a program are its newest ones: take those first.
        int32_t rest = run.seconds;
        const auto entry = std::find_if(pending_.begin(), pending_.end(),
                                        [&](const PendingEntry& e) { return e.name == run.name; });
        if (entry != pending_.end()) {
            const int32_t taken = std::min(rest, entry->seconds);
            entry->seconds -= taken;
            rest -= taken;
            if (entry->seconds == 0) pending_.erase(entry);
        }
        if (rest > 0) {
            std::tm local{};
            if (ToLocalTime(run.first, local)) {
                owed_.push_back(
                    OwedSeconds{run.name, FormatDbDate(run.first), local.tm_hour, rest});
            }
        }
    }
    if (pending_.empty() && owed_.empty()) {
        return;
    }
    // Still inside the one-second step: wait no longer than its own flushes.
    FlushWaiting(now, lastCounted, std::min(busyTimeoutMs_, kTickBusyTimeoutMs));
}

void CUsageDb::Flush(int64_t now, int64_t when) {
    FlushWaiting(now, when, busyTimeoutMs_);
}

void CUsageDb::FlushWaiting(int64_t now, int64_t when, int busyTimeoutMs) {
    // Set first, so a failing flush is retried at the next interval, not every second.
    lastFlush_ = now;

    std::tm local{};
    const int hour = ToLocalTime(when, local) ? local.tm_hour : -1;
    const std::string day = FormatDbDate(when);
    const size_t count = pending_.size();
    // Why a row could not be written; the rows without a reason were.
    std::vector<std::optional<std::string>> failed(count);
    const size_t owedCount = owed_.size();

    const bool committed = Run(
        Operation::Flush,
        [&](SqliteConnection& connection) {
            if (count == 0 && owedCount == 0) {
                return;
            }
            RowWriter writer(connection, day, hour);
            // One transaction, each row under a savepoint of its own: a failing row is undone
            // alone and the others still commit together. A failure that ends the whole
            // transaction starts it again without that row, so nothing is written twice.
            for (bool again = true; again;) {
                again = false;
                connection.Execute("BEGIN IMMEDIATE");
                try {
                    // Seconds taken back as away; a failure here fails the whole flush, so
                    // they stay owed with the pending rows.
                    for (size_t i = 0; i < owedCount; ++i) {
                        writer.TakeBack(owed_[i]);
                    }
                    for (size_t i = 0; i < count && !again; ++i) {
                        if (failed[i]) {
                            continue;
                        }
                        connection.Execute("SAVEPOINT flush_row");
                        try {
                            writer.Write(pending_[i]);
                            connection.Execute("RELEASE flush_row");
                        } catch (const SqliteError& e) {
                            if (FailsEveryRow(e)) {
                                throw;
                            }
                            failed[i] = e.what();
                            again = !connection.InTransaction();
                            if (!again) {
                                connection.Execute("ROLLBACK TO flush_row");
                                connection.Execute("RELEASE flush_row");
                            }
                        }
                    }
                    if (!again) {
                        connection.Execute("COMMIT");
                    }
                } catch (const SqliteError&) {
                    connection.ExecuteQuietly("ROLLBACK");
                    throw;
                }
            }
        },
        busyTimeoutMs);
    if (!committed) {
        return;  // nothing was written and every row stays pending
    }
    owed_.erase(owed_.begin(), owed_.begin() + static_cast<ptrdiff_t>(owedCount));
    // No message was shown, so nothing ran in between and the first count entries are
    // exactly the ones tried.
    std::vector<PendingEntry> kept;
    std::vector<std::string> newlyFailed;
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        PendingEntry& entry = pending_[i];
        if (!failed[i]) {
            reportedRows_.erase(entry.name);
            continue;
        }
        // Told once: a row failing at every flush must not raise a box at every flush.
        if (reportedRows_.insert(entry.name).second) {
            text += (newlyFailed.empty() ? "" : "\n") + entry.name + ": " + *failed[i];
            newlyFailed.push_back(entry.name);
        }
        kept.push_back(std::move(entry));
    }
    pending_ = std::move(kept);
    if (!newlyFailed.empty() && !Report(Operation::Flush, Failure::Statement, text)) {
        // Another box of the flush is open: these are told once it is closed.
        for (const std::string& name : newlyFailed) {
            reportedRows_.erase(name);
        }
    }
}

std::vector<UsageTotal> CUsageDb::LoadDb(int64_t day, int capacity) {
    const std::string dayText = FormatDbDate(day);
    std::vector<UsageTotal> rows;
    const bool loaded = Run(Operation::LoadDb, [&](SqliteConnection& connection) {
        SqliteStatement select(connection, kLoadDay);
        select.Bind(1, dayText);
        while (static_cast<int>(rows.size()) < capacity && select.Step()) {
            rows.push_back(
                UsageTotal{select.Text("name"), select.Text("path"), CellValue(select.Int("ss"))});
        }
    });
    if (!loaded) {
        rows.clear();
    }
    return rows;
}

void CUsageDb::AddMissingIndexes() {
    static std::mutex triedLock;
    static std::set<std::string> tried;
    {
        const std::lock_guard<std::mutex> guard(triedLock);
        if (!tried.insert(path_).second) {
            return;
        }
    }
    SqliteConnection connection;
    if (connection.Open(path_, 0)) {
        connection.AddMissingIndexes();
    }
}

GroupStoreData CUsageDb::LoadDbForGroup(int programCapacity, int groupCapacity) {
    GroupStoreData data;
    data.complete = Run(Operation::LoadDbForGroup, [&](SqliteConnection& connection) {
        {
            SqliteStatement programs(connection, "SELECT id, name, path, groupid FROM titem");
            while (static_cast<int>(data.programs.size()) < programCapacity && programs.Step()) {
                data.programs.push_back(GroupProgramRow{programs.Int("id"), programs.Text("name"),
                                                        programs.Text("path"),
                                                        programs.Int("groupid")});
            }
        }
        SqliteStatement groups(connection, "SELECT name, id FROM tgroup");
        while (static_cast<int>(data.groups.size()) < groupCapacity && groups.Step()) {
            data.groups.push_back(GroupRow{groups.Int("id"), groups.Text("name")});
        }
    });
    return data;
}

int64_t CUsageDb::AddGroup(const std::string& name) {
    int64_t id = -1;
    Run(Operation::AddGroup, [&](SqliteConnection& connection) {
        SqliteStatement insert(connection, "INSERT INTO tgroup(name) VALUES ( ?)");
        insert.Bind(1, QuoteSqlText(name));
        insert.Run();
        SqliteStatement maxId(connection, "SELECT MAX(id) as maxid FROM tgroup");
        if (maxId.Step()) {
            id = maxId.Int("maxid");
        }
    });
    return id;
}

void CUsageDb::DeleteGroups(const std::vector<int64_t>& ids) {
    if (ids.empty()) {
        return;
    }
    std::string sql = "DELETE FROM tgroup WHERE id IN (";
    for (size_t i = 0; i < ids.size(); ++i) {
        sql += i == 0 ? "?" : ",?";
    }
    sql += ")";
    Run(Operation::DeleteGroups, [&](SqliteConnection& connection) {
        SqliteStatement remove(connection, sql);
        for (size_t i = 0; i < ids.size(); ++i) {
            remove.Bind(static_cast<int>(i + 1), ids[i]);
        }
        remove.Run();
    });
}

bool CUsageDb::UpdateItems(const std::vector<GroupAssignment>& assignments) {
    if (assignments.empty()) {
        return true;
    }
    return Run(Operation::UpdateItems, [&](SqliteConnection& connection) {
        SqliteStatement update(connection, "UPDATE titem SET groupid = ? WHERE id = ?");
        for (const GroupAssignment& assignment : assignments) {
            update.Reset();
            update.Bind(1, assignment.groupid);
            update.Bind(2, assignment.id);
            update.Run();
        }
    });
}

ReportTable CUsageDb::ReportProcess(int64_t day) {
    ReportTable rows;
    bool todayRead = false;
    const bool complete = Run(Operation::ReportProcess, [&](SqliteConnection& connection) {
        const ReportStatements& statements = StatementsFor(connection);
        SqliteStatement single(connection, statements.processDay);
        SqliteStatement range(connection, statements.processRange);
        single.Bind(1, FormatDbDate(day));
        while (rows.size() < kReportRows && single.Step()) {
            ReportRow row;
            row.key = single.Int("id");
            row.name = single.Text("name");
            row.path = single.Text("path");
            row.today = CellValue(single.Int("ss"));
            rows.push_back(std::move(row));
        }
        todayRead = true;
        for (const Period& period : kLaterPeriods) {
            SqliteStatement& statement = period.lowerOffset == 0 ? single : range;
            BindPeriod(statement, day, period);
            for (size_t read = 0; read < kReportRows && statement.Step(); ++read) {
                Merge(rows, statement.Int("id"), statement.Text("name"), statement.Text("path"),
                      period.field, CellValue(statement.Int("ss") / period.divisor));
            }
        }
    });
    if (!complete && !todayRead) {
        rows.clear();
    }
    return rows;
}

ReportTable CUsageDb::ReportGroup(int64_t day) {
    ReportTable rows;
    Run(Operation::ReportGroup, [&](SqliteConnection& connection) {
        std::map<int64_t, std::string> names{{0, "Default"}};
        {
            SqliteStatement groups(connection, kGroupNames);
            for (size_t read = 0; read < kReportRows && groups.Step(); ++read) {
                names[groups.Int("id")] = groups.Text("name");
            }
        }
        const auto nameOf = [&names](int64_t id) {
            const auto found = names.find(id);
            return found != names.end() ? found->second : std::string();
        };

        const ReportStatements& statements = StatementsFor(connection);
        SqliteStatement single(connection, statements.groupDay);
        SqliteStatement range(connection, statements.groupRange);
        single.Bind(1, FormatDbDate(day));
        for (size_t read = 0; read < kReportRows && single.Step(); ++read) {
            const int64_t id = single.Int("groupid");
            Merge(rows, id, nameOf(id), {}, &ReportRow::today, CellValue(single.Int("ss")));
        }
        for (const Period& period : kLaterPeriods) {
            SqliteStatement& statement = period.lowerOffset == 0 ? single : range;
            BindPeriod(statement, day, period);
            for (size_t read = 0; read < kReportRows && statement.Step(); ++read) {
                const int64_t id = statement.Int("groupid");
                Merge(rows, id, nameOf(id), {}, period.field,
                      CellValue(statement.Int("ss") / period.divisor));
            }
        }
    });
    return rows;
}

HistorySums CUsageDb::History(int64_t firstDay, int64_t lastDay, bool groups, bool byHour) {
    HistorySums sums;
    if (lastDay < firstDay) {
        return sums;
    }
    const size_t columns = byHour ? 24 : static_cast<size_t>(lastDay - firstDay + 1);
    sums.complete = Run(Operation::History, [&](SqliteConnection& connection) {
        // Programs and group names first: a few hundred rows, looked up for every hour row.
        struct Item {
            std::string name;
            std::string path;
            int64_t group = 0;
            size_t row = SIZE_MAX;  // in sums.rows, once the program has a second
        };
        std::unordered_map<int64_t, Item> items;
        {
            SqliteStatement select(connection, "SELECT id, name, path, groupid FROM titem");
            while (select.Step()) {
                if (select.TypeAt(0) != SQLITE_INTEGER) continue;
                items[select.IntAt(0)] =
                    Item{select.Text("name"), select.Text("path"), select.IntAt(3)};
            }
        }
        std::map<int64_t, std::string> groupNames{{0, "Default"}};
        std::unordered_map<int64_t, size_t> groupRows;
        if (groups) {
            SqliteStatement select(connection, kGroupNames);
            while (select.Step()) {
                groupNames[select.Int("id")] = select.Text("name");
            }
        }
        const auto rowOf = [&](int64_t id, Item& item) -> HistoryRow& {
            if (item.row == SIZE_MAX) {
                if (!groups) {
                    item.row = sums.rows.size();
                    sums.rows.push_back(
                        HistoryRow{id, item.name, item.path, std::vector<int64_t>(columns)});
                } else {
                    const auto [found, added] = groupRows.emplace(item.group, sums.rows.size());
                    if (added) {
                        const auto name = groupNames.find(item.group);
                        sums.rows.push_back(
                            HistoryRow{item.group,
                                       name != groupNames.end() ? name->second : std::string(),
                                       {},
                                       std::vector<int64_t>(columns)});
                    }
                    item.row = found->second;
                }
            }
            return sums.rows[item.row];
        };

        const char* sql = byHour ? "SELECT itemid, h, seconds FROM ttime WHERE d >= ?1 AND d <= ?2"
                          : connection.DayTotalsReady()
                              ? "SELECT itemid, d, seconds FROM tday WHERE d >= ?1 AND d <= ?2"
                              : "SELECT itemid, d, TOTAL(seconds) FROM ttime "
                                "WHERE d >= ?1 AND d <= ?2 GROUP BY itemid, d";
        SqliteStatement select(connection, sql);
        select.Bind(1, DayText(firstDay));
        select.Bind(2, DayText(lastDay));
        // Hour rows come in index order, a program's together: one lookup per program.
        int64_t lastId = 0;
        Item* item = nullptr;
        while (select.Step()) {
            if (select.TypeAt(0) != SQLITE_INTEGER) continue;
            const int64_t id = select.IntAt(0);
            if (item == nullptr || id != lastId) {
                const auto found = items.find(id);
                item = found != items.end() ? &found->second : nullptr;
                lastId = id;
                if (item == nullptr) continue;  // seconds of no program, as the report has it
            }
            int64_t column = 0;
            if (byHour) {
                column = select.TypeAt(1) == SQLITE_INTEGER ? select.IntAt(1) : -1;
            } else {
                const std::optional<int64_t> day = ParseDayText(std::string(select.TextAt(1)));
                column = day ? *day - firstDay : -1;
            }
            if (column < 0 || column >= static_cast<int64_t>(columns)) continue;
            int64_t& value = rowOf(id, *item).values[static_cast<size_t>(column)];
            if (__builtin_add_overflow(value, select.IntAt(2), &value)) {
                value = select.IntAt(2) < 0 ? INT64_MIN : INT64_MAX;
            }
        }
    });
    return sums;
}
