#pragma once
// Reading a write-ahead log the way SQLite does, to see whether it would drop committed
// writes: SQLite stops at the first frame whose checksum fails and ignores everything after.

#include <string>

// True when the log at `logPath` holds a committed transaction that SQLite would not read
// back: a commit frame complete on disk at or after
// the first frame that fails its checksum, or any frame behind a damaged header.
bool logLosesCommits(const std::string& logPath);
