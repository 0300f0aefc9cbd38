#pragma once
// The history's tables, versioned by PRAGMA user_version: each version has one step that
// brings the file from the version before, run in one transaction.

#include <sqlite3.h>

enum class MigrationResult { Current, Busy, Damaged, TooNew, Failed };

// Reads the file's version and tables without writing: Current when they are exactly those
// of a version up to `newest` (none at all for version 0), TooNew for a later version, and
// Damaged for a version below 0 or tables that are not what that version made.
MigrationResult checkHistorySchema(sqlite3* database, int newest);

// Brings the file up to `newest`, holding the write lock throughout, so two trainers
// starting at once cannot both migrate.
MigrationResult migrateHistorySchema(sqlite3* database, int newest);
