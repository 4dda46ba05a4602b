// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/IUsageStore.h"
#include "db/DbRows.h"

class CAppSettings;
class SqliteConnection;

// Every database operation of the program, and the pending table of seconds not yet
// written. Each operation opens its own connection and closes it before it returns;
// failures are shown with ShowMessage and give the operation's empty result.
class CUsageDb : public IUsageStore {
  public:
    // The auto-save interval is read from TheSettings() at every AddSecond.
    explicit CUsageDb(std::string path);
    CUsageDb(std::string path, const CAppSettings& settings);

    // Adds the second to the pending table; flushes when the auto-save interval has passed
    // and at hh:59:59.
    void AddSecond(int64_t now, const std::string& name, const std::string& path) override;
    // Writes the pending table under the day and hour of when, as one transaction. A row
    // that cannot be written stays pending and is told once, until it is written; the
    // other rows are written all the same. now becomes the last-flush time even when the
    // flush fails.
    void Flush(int64_t now, int64_t when) override;
    // Takes the runs back from the pending table, then from the stored hours, and flushes
    // like the tick does. What cannot be written yet stays owed for the next flush.
    void StopCounting(int64_t now, int64_t lastCounted,
                      const std::vector<CreditedRun>& takeBack) override;
    // The day's totals per program, at most capacity rows; none after a failure.
    std::vector<UsageTotal> LoadDb(int64_t day, int capacity) override;

    // Adds indexes missing from a file made by hand or an earlier build: once per file and
    // process, at start-up, never waiting for a lock. A failed try waits for the next start.
    void AddMissingIndexes();

    GroupStoreData LoadDbForGroup(int programCapacity, int groupCapacity);
    // The new group's id, or -1.
    int64_t AddGroup(const std::string& name);
    void DeleteGroups(const std::vector<int64_t>& ids);
    // False when a pair failed: the pairs before it are written, the rest are not.
    bool UpdateItems(const std::vector<GroupAssignment>& assignments);

    ReportTable ReportProcess(int64_t day);
    ReportTable ReportGroup(int64_t day);

    // The days firstDay to lastDay (CivilDay numbers, both included), per program or group:
    // one value per day, or with byHour 24 values, the seconds of each hour of day summed
    // over the days. Days come from the roll-up where the file has it whole, hours from
    // the hour rows.
    HistorySums History(int64_t firstDay, int64_t lastDay, bool groups, bool byHour);

    const std::vector<PendingEntry>& Pending() const { return pending_; }
    // Seconds to take from stored hours, not written yet.
    struct OwedSeconds {
        std::string name;
        std::string day;
        int hour = 0;
        int32_t seconds = 0;
    };
    const std::vector<OwedSeconds>& Owed() const { return owed_; }
    int64_t LastFlushTime() const { return lastFlush_; }
    const std::string& Path() const { return path_; }

    // How long a statement waits for another connection's lock before it fails.
    void SetBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }
    static constexpr int kDefaultBusyTimeoutMs = 2000;
    // The flushes of the one-second step wait no longer than this.
    static constexpr int kTickBusyTimeoutMs = 250;
    // Read-only: operations open the file without creating or changing it; writes fail.
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // A read-only operation read the file as unchanging: its folder could not be written.
    bool ReadImmutable() const { return readImmutable_; }
    // Failures go to sink instead of ShowMessage, for work off the GUI thread that hands
    // its messages back to be shown there.
    void SetMessageSink(std::function<void(const std::string& text)> sink) {
        sink_ = std::move(sink);
    }
    // When set and raised, stops the running statement at SQLite's next progress call.
    void SetCancelFlag(const std::atomic<bool>* cancel) { cancel_ = cancel; }
    // A worker's reading: read-only, failures collected into messages (when given), and
    // stopped by cancel.
    void ReadOnWorker(std::vector<std::string>* messages, const std::atomic<bool>* cancel) {
        SetReadOnly(true);
        if (messages != nullptr) {
            SetMessageSink([messages](const std::string& text) { messages->push_back(text); });
        }
        SetCancelFlag(cancel);
    }

    enum class Operation {
        Flush,
        LoadDb,
        LoadDbForGroup,
        AddGroup,
        DeleteGroups,
        UpdateItems,
        ReportProcess,
        ReportGroup,
        History,
        Count
    };

  private:
    enum class Failure { None, Connection, Statement };

    // Opens a connection, runs body on it, closes it, then shows the operation's message
    // for a failure. True when everything succeeded.
    // busyTimeoutMs < 0: the object's busy timeout.
    template <typename Body>
    bool Run(Operation operation, Body&& body, int busyTimeoutMs = -1);
    void FlushWaiting(int64_t now, int64_t when, int busyTimeoutMs);
    // False when the operation's message is already on screen and this one was not shown.
    bool Report(Operation operation, Failure failure, const std::string& text);

    std::string path_;
    const CAppSettings& settings_;
    int busyTimeoutMs_ = kDefaultBusyTimeoutMs;
    bool readOnly_ = false;
    bool readImmutable_ = false;
    std::function<void(const std::string&)> sink_;
    const std::atomic<bool>* cancel_ = nullptr;
    int64_t lastFlush_ = -1000;  // far enough back that the first second flushes at once
    std::vector<PendingEntry> pending_;
    std::set<std::string> reportedRows_;  // pending programs whose failure has been told
    std::vector<OwedSeconds> owed_;
    // Set while an operation's message is on screen: the tick goes on under a message box,
    // and a repeated failure must not stack a second box on the first.
    using ShowingFlags = std::array<bool, static_cast<size_t>(Operation::Count)>;
    std::shared_ptr<ShowingFlags> showing_ = std::make_shared<ShowingFlags>();
};
