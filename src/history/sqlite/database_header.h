#pragma once
// The fixed fields of a database file's first hundred bytes that SQLite reads without
// calling the file damaged, although a wrong value makes it unwritable or unreadable.

#include <string>

// False when the file at `path` has a header whose format versions, payload fractions or
// schema format (0, before the first table, to 4) hold values no sound file has; a file
// shorter than its header or without SQLite's magic text passes, left to SQLite to judge.
bool headerFieldsSound(const std::string& path);
