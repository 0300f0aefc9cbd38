#pragma once
// The class server's tables, roles and the statements that add a trainer's records to them.
// Records are insert-only: each class has a login role of its own that only joins, giving each
// trainer that joins a login role of its own that may add rows of its class and read nothing; a
// teacher's role reads only the classes given to it.

#include <string>

// The schema's version as `abacus.schema_version` holds it.
inline constexpr int kClassServerVersion = 3;

// The statements that bring the schema from version `from` (0 for an empty database) to version
// `to`, each version's step setting `abacus.schema_version`; run them in one transaction.
std::string classServerSteps(int from, int to = kClassServerVersion);

// The statement that tells whether the database holds anything but this schema: one row, the
// count of foreign tables, views and functions, and whether the schema is there (t/f).
extern const char kClassServerContents[];

// The statement that adds one record of `kind` ("run", "paper", "drill", "level" with its
// questions, "mark" for a run's question out of the book, "level mark" for a level test's),
// given as a JSON object in $1, doing nothing when its id is already there; empty for an
// unknown kind.
std::string classRecordInsert(const std::string& kind);
