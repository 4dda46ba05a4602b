// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct sqlite3;

// What the schema of a file from another computer is, checked entry by entry against the
// ones Hourglint writes: a snapshot (CSnapshotWriter's tables and meta row), a database
// (CUsageDb's tables and indexes, in any of the forms Hourglint has made them), or
// anything else, which includes every view, trigger and virtual table.
enum class SchemaKind { Snapshot, Database, Other };

// rc: the engine's result when the schema could not be read, else SQLITE_OK.
SchemaKind KnownSchemaOf(sqlite3* db, int& rc);
