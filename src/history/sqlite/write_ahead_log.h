#pragma once
// Reading a write-ahead log the way SQLite does, to see whether it would drop committed
// writes: SQLite stops at the first frame whose salts or checksum fail and ignores the rest.

#include <string>

// True when the log at `logPath` holds a committed transaction that SQLite would not read
// back: a commit frame complete on disk at or after the first frame SQLite stops at, or any
// frame behind a damaged header. The log is read a frame at a time; a log that is not a plain
// file is not read.
bool logLosesCommits(const std::string& logPath);
