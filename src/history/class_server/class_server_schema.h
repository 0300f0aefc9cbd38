#pragma once
// The class server's tables, roles and the statements that add a trainer's records to them.
// Records are insert-only: each class has a login role of its own that may add rows of its
// class and read nothing; a teacher's role reads only the classes given to it.

#include <string>

// The schema's version as `abacus.schema_version` holds it.
inline constexpr int kClassServerVersion = 1;

// The statements that create the schema in an empty database, in one transaction.
extern const char kClassServerSchema[];

// The statement that tells whether the database holds anything but this schema: one row, the
// count of foreign tables, views and functions, and whether the schema is there (t/f).
extern const char kClassServerContents[];

// The statement that adds one record of `kind` ("run", "paper", "drill", "level", "mark"),
// given as a JSON object in $1, doing nothing when its id is already there; empty for an
// unknown kind.
std::string classRecordInsert(const std::string& kind);
