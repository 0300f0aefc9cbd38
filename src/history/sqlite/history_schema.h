#pragma once
// The history's tables, versioned by PRAGMA user_version: each version has one step that
// brings the file from the version before, run in one transaction.

#include <sqlite3.h>

enum class MigrationResult { Current, Busy, Damaged, TooNew, Failed };

// Brings the file up to `newest`, holding the write lock throughout, so two trainers
// starting at once cannot both migrate.
MigrationResult migrateHistorySchema(sqlite3* database, int newest);
