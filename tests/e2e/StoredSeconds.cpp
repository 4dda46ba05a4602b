// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoredSeconds.h"

#include <sqlite3.h>

#include <ctime>

// name -> today's seconds in the hours [firstHour, lastHour], read with plain SQL.
std::map<std::string, DayTotal> ReadToday(const std::filesystem::path& db, int firstHour,
                                          int lastHour) {
    std::map<std::string, DayTotal> totals;
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(db.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(handle);
        return totals;
    }
    const char* sql =
        "SELECT titem.name, titem.path, SUM(ttime.seconds) FROM ttime JOIN titem ON "
        "titem.id = ttime.itemid WHERE ttime.d = date('now', 'localtime') AND ttime.h "
        "BETWEEN ? AND ? GROUP BY titem.id";
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(handle, sql, -1, &stmt, nullptr) == SQLITE_OK) {
        sqlite3_bind_int(stmt, 1, firstHour);
        sqlite3_bind_int(stmt, 2, lastHour);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            const auto* path = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
            totals[name ? name : ""] = {path ? path : "", sqlite3_column_int(stmt, 2)};
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(handle);
    return totals;
}

int SecondsSince(std::chrono::steady_clock::time_point start) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start)
            .count());
}

int LocalHourNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_hour;
}
