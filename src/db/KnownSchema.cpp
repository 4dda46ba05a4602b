// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/KnownSchema.h"

#include <sqlite3.h>

#include <set>
#include <string>
#include <vector>

#include "db/CDayTotals.h"
#include "db/CSnapshotWriter.h"

namespace {

// One column of a table, in each of the forms it may be declared in.
using Column = std::vector<std::string>;
struct Table {
    std::string name;
    std::vector<Column> columns;
};
struct Index {
    std::string name;
    std::vector<std::string> forms;
};

// Lower case, one space between words and none beside parentheses and commas: the stored
// text of a statement differs only so between versions and tools.
std::string Normalized(const std::string& sql) {
    std::string text;
    bool space = false;
    for (const char c : sql) {
        const bool blank =
            c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
        if (blank) {
            space = !text.empty();
            continue;
        }
        const bool punctuation = c == '(' || c == ')' || c == ',';
        if (space && !punctuation && text.back() != '(' && text.back() != ',') text += ' ';
        space = false;
        text += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
}

// The name and column declarations of a normalized "create table NAME(a,b)", or false for
// anything else: a constraint or option with parentheses never comes out as a column.
bool SplitTable(const std::string& sql, std::string& name, std::vector<std::string>& columns) {
    const std::string prefix = "create table ";
    const size_t open = sql.find('(');
    if (sql.compare(0, prefix.size(), prefix) != 0 || open == std::string::npos ||
        sql.back() != ')') {
        return false;
    }
    name = sql.substr(prefix.size(), open - prefix.size());
    columns.clear();
    size_t start = open + 1;
    for (size_t comma; (comma = sql.find(',', start)) != std::string::npos; start = comma + 1) {
        columns.push_back(sql.substr(start, comma - start));
    }
    columns.push_back(sql.substr(start, sql.size() - 1 - start));
    return true;
}

bool TableFits(const std::string& name, const std::vector<std::string>& columns,
               const Table& table) {
    if (name != table.name || columns.size() != table.columns.size()) return false;
    for (size_t i = 0; i < columns.size(); ++i) {
        bool known = false;
        for (const std::string& form : table.columns[i]) known = known || form == columns[i];
        if (!known) return false;
    }
    return true;
}

const Column kId = {"id integer primary key autoincrement", "id integer primary key"};

// The engine's own tables: AUTOINCREMENT's counters and ANALYZE's figures.
const std::vector<Table>& EngineTables() {
    static const std::vector<Table> tables = {
        {"sqlite_sequence", {{"name"}, {"seq"}}},
        {"sqlite_stat1", {{"tbl"}, {"idx"}, {"stat"}}},
        {"sqlite_stat4", {{"tbl"}, {"idx"}, {"neq"}, {"nlt"}, {"ndlt"}, {"sample"}}},
    };
    return tables;
}

// CUsageDb's tables as it creates them now and as older files hold them.
const std::vector<Table>& DatabaseTables() {
    static const std::vector<Table> tables = {
        {"tgroup", {kId, {"name text"}}},
        {"titem",
         {kId,
          {"name text"},
          {"compunit integer"},
          {"path text"},
          {"groupid integer not null default 0", "groupid integer default 0"}}},
        {"ttime", {kId, {"itemid integer"}, {"d text"}, {"h integer"}, {"seconds integer"}}},
    };
    return tables;
}

const std::vector<Index>& DatabaseIndexes() {
    static const std::vector<Index> indexes = {
        {"ix_titem_name",
         {"create index ix_titem_name on titem(name,path)",
          "create index ix_titem_name on titem(name)"}},
        {"ix_ttime_item_day_hour",
         {"create index ix_ttime_item_day_hour on ttime(itemid,d,h,seconds)",
          "create index ix_ttime_item_day_hour on ttime(itemid,d,h)"}},
        {"ix_ttime_day",
         {"create index ix_ttime_day on ttime(d)",
          "create index ix_ttime_day on ttime(d,itemid,seconds)"}},
        {"ix_titem_group", {"create index ix_titem_group on titem(groupid,id)"}},
    };
    return indexes;
}

// The snapshot's tables exactly as CSnapshotWriter declares them.
const std::vector<Table>& SnapshotTables() {
    static const std::vector<Table> tables = [] {
        std::vector<Table> list;
        for (const std::string& statement : CSnapshotWriter::TableStatements()) {
            Table table;
            std::vector<std::string> columns;
            SplitTable(Normalized(statement), table.name, columns);
            for (const std::string& column : columns) table.columns.push_back({column});
            list.push_back(std::move(table));
        }
        return list;
    }();
    return tables;
}

struct Entry {
    std::string type, name, table, sql;
    bool hasSql = false;
};

// The roll-up by day with its index and triggers, in both the forms CDayTotals writes:
// complete, and being filled. Known word for word; triggers never run on a file from
// elsewhere, and its hour rows, not the roll-up, are what is read.
struct Exact {
    std::string type, name, table, sql;
};
const std::vector<Exact>& DayTotalsEntries() {
    static const std::vector<Exact> entries = [] {
        std::vector<Exact> list;
        for (const CDayTotals::SchemaEntry& entry : CDayTotals::SchemaEntries()) {
            const std::string type = entry.type;
            const std::string table = type == "trigger" ? "ttime"
                                      : type == "index" ? "tday"
                                                        : entry.name;
            list.push_back({type, entry.name, table, Normalized(entry.sql)});
        }
        return list;
    }();
    return entries;
}

// The table or index entry's name if it is one of tables or indexes, or one of exact,
// else empty.
std::string KnownAs(const Entry& entry, const std::vector<const std::vector<Table>*>& tables,
                    const std::vector<Index>& indexes, const std::vector<Exact>& exact) {
    if (!entry.hasSql) return {};
    const std::string sql = Normalized(entry.sql);
    for (const Exact& known : exact) {
        if (entry.type == known.type && entry.name == known.name && entry.table == known.table &&
            sql == known.sql) {
            return known.name;
        }
    }
    if (entry.type == "table" && entry.name == entry.table) {
        std::string name;
        std::vector<std::string> columns;
        if (!SplitTable(sql, name, columns) || name != entry.name) return {};
        for (const auto* list : tables) {
            for (const Table& table : *list) {
                if (TableFits(name, columns, table)) return name;
            }
        }
    } else if (entry.type == "index") {
        for (const Index& index : indexes) {
            for (const std::string& form : index.forms) {
                if (entry.name == index.name && sql == form &&
                    form.find(" on " + entry.table + "(") != std::string::npos) {
                    return index.name;
                }
            }
        }
    }
    return {};
}

std::string TextOf(sqlite3_stmt* stmt, int column) {
    const auto* text = sqlite3_column_text(stmt, column);
    return text != nullptr ? reinterpret_cast<const char*>(text) : std::string();
}

}  // namespace

SchemaKind KnownSchemaOf(sqlite3* db, int& rc) {
    std::vector<Entry> entries;
    sqlite3_stmt* stmt = nullptr;
    rc = sqlite3_prepare_v2(db, "SELECT type, name, tbl_name, sql FROM sqlite_schema", -1, &stmt,
                            nullptr);
    while (rc == SQLITE_OK && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        Entry entry{TextOf(stmt, 0), TextOf(stmt, 1), TextOf(stmt, 2), TextOf(stmt, 3),
                    sqlite3_column_type(stmt, 3) == SQLITE_TEXT};
        entries.push_back(std::move(entry));
        rc = SQLITE_OK;
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) return SchemaKind::Other;
    rc = SQLITE_OK;

    // Every entry known, and each of the kind's own tables there.
    const auto fits = [&entries](const std::vector<const std::vector<Table>*>& tables,
                                 const std::vector<Index>& indexes,
                                 const std::vector<Table>& required,
                                 const std::vector<Exact>& exact) {
        std::set<std::string> found;
        for (const Entry& entry : entries) {
            const std::string name = KnownAs(entry, tables, indexes, exact);
            if (name.empty()) return false;
            found.insert(name);
        }
        for (const Table& table : required) {
            if (found.count(table.name) == 0) return false;
        }
        return true;
    };
    if (fits({&SnapshotTables(), &EngineTables()}, {}, SnapshotTables(), {})) {
        return SchemaKind::Snapshot;
    }
    if (fits({&DatabaseTables(), &EngineTables()}, DatabaseIndexes(), DatabaseTables(),
             DayTotalsEntries())) {
        return SchemaKind::Database;
    }
    return SchemaKind::Other;
}
