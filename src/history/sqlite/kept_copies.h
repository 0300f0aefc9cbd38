#pragma once
// Keeping a history file that cannot be read back in full under a new name beside it,
// "history.sqlite3.damaged-<date>-<time>", never replacing a file already there.

#include <string>

// Moves the file at `path`, with its write-ahead log and shared memory, to a new name;
// the new name, or empty when it could not be moved.
std::string keepDamaged(const std::string& path);

// Copies the file at `path` and its write-ahead log to a new name, leaving both in place;
// the new name, or empty when they could not be copied.
std::string keepCopy(const std::string& path);
