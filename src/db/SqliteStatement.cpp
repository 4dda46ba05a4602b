// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/SqliteStatement.h"

#include <sqlite3.h>
#include <strings.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "core/Utf8Text.h"
#include "db/DbText.h"
#include "db/SqliteConnection.h"
#include "db/SqliteError.h"

namespace {

// The engine converts anything to a number silently; a count or id that is not one must
// stop the operation instead.
const char* const kTypeMismatch = "Type mismatch.";
const char* const kOverflow = "Overflow.";

}  // namespace

SqliteStatement::SqliteStatement(SqliteConnection& connection, const std::string& sql)
    : connection_(connection) {
    const int rc = sqlite3_prepare_v2(connection_.Handle(), sql.c_str(), -1, &stmt_, nullptr);
    if (rc != SQLITE_OK) {
        const std::string text = sqlite3_errmsg(connection_.Handle());
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw SqliteError(text, rc);
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

void SqliteStatement::Throw() const {
    throw SqliteError(sqlite3_errmsg(connection_.Handle()), sqlite3_errcode(connection_.Handle()));
}

void SqliteStatement::Bind(int index, int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) {
        Throw();
    }
}

void SqliteStatement::Bind(int index, const std::string& text) {
    if (sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        Throw();
    }
}

void SqliteStatement::Reset() {
    hasRow_ = false;
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool SqliteStatement::Step() {
    const int rc = sqlite3_step(stmt_);
    hasRow_ = rc == SQLITE_ROW;
    if (rc == SQLITE_ROW || rc == SQLITE_DONE) {
        return hasRow_;
    }
    Throw();
}

void SqliteStatement::Run() {
    while (Step()) {
    }
}

int SqliteStatement::ColumnIndex(std::string_view column) const {
    if (!hasRow_) {
        throw SqliteError("No current row.");
    }
    const int count = sqlite3_column_count(stmt_);
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(stmt_, i);
        if (name != nullptr && column.size() == std::char_traits<char>::length(name) &&
            strncasecmp(name, column.data(), column.size()) == 0) {
            return i;
        }
    }
    throw SqliteError("No column named " + std::string(column) + ".");
}

bool SqliteStatement::IsNull(std::string_view column) const {
    return sqlite3_column_type(stmt_, ColumnIndex(column)) == SQLITE_NULL;
}

std::string SqliteStatement::Text(std::string_view column, size_t maxChars) const {
    const int index = ColumnIndex(column);
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
    if (text == nullptr) {
        return {};
    }
    std::string read(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, index)));
    TruncateUtf8(read, maxChars);
    return read;
}

int64_t SqliteStatement::Int(std::string_view column) const {
    const int index = ColumnIndex(column);
    int64_t value = 0;
    switch (sqlite3_column_type(stmt_, index)) {
        case SQLITE_INTEGER:
            value = sqlite3_column_int64(stmt_, index);
            break;
        case SQLITE_FLOAT: {
            const double real = std::round(sqlite3_column_double(stmt_, index));
            if (!(std::fabs(real) < 4e18)) {
                throw SqliteError(kOverflow);
            }
            value = static_cast<int64_t>(real);
            break;
        }
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
            char* end = nullptr;
            errno = 0;
            value = std::strtoll(text, &end, 10);
            if (end == text || *end != '\0' || errno != 0) {
                throw SqliteError(kTypeMismatch);
            }
            break;
        }
        default:
            throw SqliteError(kTypeMismatch);
    }
    return value;
}

int SqliteStatement::TypeAt(int column) const {
    return sqlite3_column_type(stmt_, column);
}

int64_t SqliteStatement::IntAt(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string_view SqliteStatement::TextAt(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text != nullptr
               ? std::string_view(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, column)))
               : std::string_view();
}
