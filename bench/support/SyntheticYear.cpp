// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyntheticYear.h"

#include <sqlite3.h>

#include "BenchSupport.h"
#include "core/CAppSettings.h"
#include "db/CUsageDb.h"
#include "db/DbText.h"

std::string SyntheticProgramName(int i) {
    return "program" + std::to_string(i) + ".bin";
}

std::string SyntheticProgramPath(int i) {
    return "/opt/programs/" + SyntheticProgramName(i);
}

void WriteSyntheticYear(const std::string& path, int programs, int hours, int64_t anchor) {
    CAppSettings settings;
    CUsageDb(path, settings).LoadDb(0, 1);  // file, tables and indexes
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "INSERT INTO tgroup(name) VALUES ('a'), ('b'), ('c'), ('d')", nullptr, nullptr,
                 nullptr);
    sqlite3_stmt* item = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO titem(name, compunit, path, groupid) VALUES (?, 0, ?, ?)",
                       -1, &item, nullptr);
    for (int p = 0; p < programs; ++p) {
        const std::string name = SyntheticProgramName(p);
        const std::string itemPath = SyntheticProgramPath(p);
        sqlite3_bind_text(item, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(item, 2, itemPath.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(item, 3, p % 5);
        sqlite3_step(item);
        sqlite3_reset(item);
    }
    sqlite3_finalize(item);
    sqlite3_stmt* time = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO ttime(itemid, d, h, seconds) VALUES (?, ?, ?, ?)", -1,
                       &time, nullptr);
    for (int day = 0; day < 365; ++day) {
        const std::string d = FormatDbDate(anchor - int64_t{day} * 86400);
        for (int p = 1; p <= programs; ++p) {
            for (int h = 0; h < hours; ++h) {
                sqlite3_bind_int(time, 1, p);
                sqlite3_bind_text(time, 2, d.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int(time, 3, h);
                sqlite3_bind_int(time, 4, 60 + (p * 7 + h * 13 + day) % 3000);
                sqlite3_step(time);
                sqlite3_reset(time);
            }
        }
    }
    sqlite3_finalize(time);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

const std::string& HeavyYearFile() {
    static const std::string path = [] {
        const std::string file = (BenchFolder() / "HG.mdb").string();
        WriteSyntheticYear(file, 200, 24, BenchAnchor());
        return file;
    }();
    return path;
}
