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
#include <utility>

#include "db/CSnapshotWriter.h"
#include "db/DbText.h"

namespace {

constexpr int64_t kDay = 86400;
constexpr int kPeriods = 5;

// The chosen day, the day before, and the last 7, 30 and 365 days, in the report's order.
struct Period {
    int64_t days;       // 0: a single day
    int64_t dayOffset;  // for a single day
    int64_t divisor;
};
const Period kPeriodList[kPeriods] = {{0, 0, 1}, {0, 1, 1}, {7, 0, 7}, {30, 0, 30}, {365, 0, 365}};

const char* const kProcessDay =
    "SELECT titem.id AS id, titem.name AS name, titem.path AS path, SUM(seconds) AS ss "
    "FROM ttime, titem WHERE titem.id=ttime.itemid AND d = ?1 GROUP BY titem.id";
const char* const kProcessRange =
    "SELECT titem.id AS id, titem.name AS name, titem.path AS path, SUM(seconds) AS ss "
    "FROM ttime, titem WHERE titem.id=ttime.itemid AND d <= ?1 AND d > ?2 GROUP BY titem.id";
const char* const kGroupDay =
    "SELECT groupid AS id, SUM(seconds) AS ss FROM ttime, titem WHERE titem.id=ttime.itemid "
    "AND d = ?1 GROUP BY groupid";
const char* const kGroupRange =
    "SELECT groupid AS id, SUM(seconds) AS ss FROM ttime, titem WHERE titem.id=ttime.itemid "
    "AND d <= ?1 AND d > ?2 GROUP BY groupid";

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
    Query(sqlite3* db, const char* sql) : db_(db) {
        ok_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) == SQLITE_OK;
    }
    ~Query() { sqlite3_finalize(stmt_); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void Bind(int index, const std::string& text) {
        if (ok_) sqlite3_bind_text(stmt_, index, text.c_str(), -1, SQLITE_TRANSIENT);
    }
    bool Step() {
        if (!ok_) return false;
        const int rc = sqlite3_step(stmt_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) ok_ = false;
        return rc == SQLITE_ROW;
    }
    bool Ok() const { return ok_; }
    std::string Error() const { return sqlite3_errmsg(db_); }
    int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    bool IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
    std::string Text(int column) const {
        const auto* text = sqlite3_column_text(stmt_, column);
        return text != nullptr ? CutUtf8(reinterpret_cast<const char*>(text), kReadTextChars)
                               : std::string();
    }

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    bool ok_ = false;
};

// One program or group as read from one file, or merged over all of them.
struct Sums {
    int64_t key = 0;  // this computer's id; unset elsewhere
    bool hasKey = false;
    std::string path;
    int64_t seconds[kPeriods] = {};
    bool present[kPeriods] = {};
};
using SumsByName = std::map<std::string, Sums>;

// A snapshot file as an SQLite URI, read-only and immutable: no locks, no journal, no
// side files, and never a write.
std::string ImmutableUri(const std::string& path) {
    std::string uri = "file:";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || c == '/' || c == '.' || c == '-' || c == '_' || c == '~') {
            uri += c;
        } else {
            static const char* const kHex = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 15];
        }
    }
    return uri + "?immutable=1";
}

int64_t PragmaInt(sqlite3* db, const char* sql) {
    Query query(db, sql);
    return query.Step() ? query.Int(0) : -1;
}

// Reads every period of one file inside one read transaction. False with error set on a
// failure; sums then holds nothing of use.
bool ReadFile(sqlite3* db, int64_t day, bool groups, bool local, SumsByName& sums,
              std::string& error) {
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    std::map<int64_t, std::string> groupNames{{0, "Default"}};
    bool ok = true;
    if (groups) {
        Query names(db, "SELECT id, name FROM tgroup");
        while (names.Step()) {
            groupNames[names.Int(0)] = names.Text(1);
        }
        ok = names.Ok();
        if (!ok) error = names.Error();
    }
    for (int p = 0; ok && p < kPeriods; ++p) {
        const Period& period = kPeriodList[p];
        Query run(db, period.days == 0 ? (groups ? kGroupDay : kProcessDay)
                                       : (groups ? kGroupRange : kProcessRange));
        run.Bind(1, FormatDbDate(day - period.dayOffset * kDay));
        if (period.days != 0) {
            run.Bind(2, FormatDbDate(day - period.days * kDay));
        }
        while (run.Step()) {
            const int64_t id = run.Int(0);
            std::string name;
            if (groups) {
                const auto found = groupNames.find(id);
                name = found != groupNames.end() ? found->second : std::string();
            } else {
                name = run.Text(1);
            }
            Sums& entry = sums[name];
            if (local && !entry.hasKey) {
                entry.key = id;
                entry.hasKey = true;
            }
            if (!groups && entry.path.empty()) {
                entry.path = run.Text(2);
            }
            entry.seconds[p] += run.IsNull(groups ? 1 : 3) ? 0 : run.Int(groups ? 1 : 3);
            entry.present[p] = true;
        }
        ok = run.Ok();
        if (!ok) error = run.Error();
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    return ok;
}

// Adds one file's sums; the path stays that of the first file that had one.
void AddInto(SumsByName& total, const SumsByName& file) {
    for (const auto& [name, sums] : file) {
        Sums& entry = total[name];
        if (sums.hasKey && !entry.hasKey) {
            entry.key = sums.key;
            entry.hasKey = true;
        }
        if (entry.path.empty()) {
            entry.path = sums.path;
        }
        for (int p = 0; p < kPeriods; ++p) {
            entry.seconds[p] += sums.seconds[p];
            entry.present[p] = entry.present[p] || sums.present[p];
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

struct Snapshot {
    std::string path;
    std::unique_ptr<Handle> handle;
    std::string id;
    std::string name;
    int64_t writtenAt = 0;
};

// Opens and checks one snapshot; empty reason: usable.
std::string OpenSnapshot(Snapshot& snapshot, const std::atomic<bool>* cancel) {
    // A pipe would make the open wait for a writer for ever.
    struct stat info {};
    if (::stat(snapshot.path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return "is not a regular file";
    }
    snapshot.handle = std::make_unique<Handle>();
    sqlite3*& db = snapshot.handle->db;
    if (sqlite3_open_v2(ImmutableUri(snapshot.path).c_str(), &db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) != SQLITE_OK) {
        return "cannot be opened";
    }
    StopOn(db, cancel);
    if (OpenedHook()) {
        OpenedHook()(snapshot.path);
    }
    // The size of the file this connection holds open, which a rename over it leaves alone.
    sqlite3_file* file = nullptr;
    sqlite3_int64 size = -1;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK ||
        file == nullptr || file->pMethods == nullptr ||
        file->pMethods->xFileSize(file, &size) != SQLITE_OK) {
        return "cannot be read";
    }
    const int64_t pages = PragmaInt(db, "PRAGMA page_count");
    const int64_t pageSize = PragmaInt(db, "PRAGMA page_size");
    if (pages <= 0 || pageSize <= 0 || size != pages * pageSize) {
        return "incomplete, still being copied?";
    }
    {
        Query check(db, "PRAGMA quick_check");
        if (!check.Step() || check.Text(0) != "ok") {
            return "damaged";
        }
    }
    Query meta(db, "SELECT computer_id, computer_name, schema_version, written_at FROM meta");
    if (!meta.Step() || meta.Int(2) != CSnapshotWriter::kSchemaVersion) {
        return "another schema";
    }
    snapshot.id = meta.Text(0);
    snapshot.name = meta.Text(1);
    snapshot.writtenAt = meta.Int(3);
    return {};
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
    std::string text;
    for (const LeftOut& file : leftOut) {
        text += text.empty() ? "Left out: " : ", ";
        text += std::filesystem::path(file.file).filename().string() + " (" + file.reason + ")";
    }
    return text;
}

CMergedReport::Result CMergedReport::Compute(const std::string& databasePath,
                                             const std::string& computerName,
                                             const std::string& computerId,
                                             const std::vector<std::string>& snapshots, int64_t day,
                                             bool groups, const std::atomic<bool>* cancel) {
    Result result;
    // Every file is opened before any is read, so an id seen twice keeps only the newest.
    std::vector<Snapshot> opened;
    for (const std::string& path : snapshots) {
        Snapshot snapshot;
        snapshot.path = path;
        const std::string reason = OpenSnapshot(snapshot, cancel);
        if (!reason.empty()) {
            result.leftOut.push_back({path, reason});
        } else if (computerId.empty() || snapshot.id != computerId) {
            opened.push_back(std::move(snapshot));
        }
    }
    std::map<std::string, size_t> newest;
    for (size_t i = 0; i < opened.size(); ++i) {
        const auto [it, added] = newest.emplace(opened[i].id, i);
        if (!added && opened[i].writtenAt >= opened[it->second].writtenAt) {
            it->second = i;
        }
    }

    SumsByName total;
    {
        Handle local;
        std::string error;
        SumsByName sums;
        if (sqlite3_open_v2(databasePath.c_str(), &local.db, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK) {
            error = local.db != nullptr ? sqlite3_errmsg(local.db) : "out of memory";
        } else {
            sqlite3_busy_timeout(local.db, 2000);
            StopOn(local.db, cancel);
            if (!ReadFile(local.db, day, groups, true, sums, error) && error.empty()) {
                error = "cannot be read";
            }
        }
        if (error.empty()) {
            AddInto(total, sums);
            result.computers.push_back(computerName);
        } else {
            result.thisComputerError = error;
        }
    }
    for (size_t i = 0; i < opened.size(); ++i) {
        if (newest.at(opened[i].id) != i) {
            continue;
        }
        SumsByName sums;
        std::string error;
        if (ReadFile(opened[i].handle->db, day, groups, false, sums, error)) {
            AddInto(total, sums);
            result.computers.push_back(opened[i].name);
        } else {
            result.leftOut.push_back({opened[i].path, "damaged"});
        }
    }
    result.rows = Order(total);
    return result;
}
