#pragma once
// Reading a history file, or its log, only when it is a plain file, and never waiting: a named
// pipe, a device or a socket put where the file belongs is never read from, and a link there
// is not followed. Reads take the part asked for, so memory does not grow with the file.

#include <cstdint>
#include <string>
#include <vector>

class PlainFile {
  public:
    // Opens `path` for reading when it is a plain file; otherwise the file stays closed.
    explicit PlainFile(const std::string& path);
    ~PlainFile();
    PlainFile(const PlainFile&) = delete;
    PlainFile& operator=(const PlainFile&) = delete;

    bool isOpen() const { return descriptor_ >= 0; }
    // The file's size in bytes when it was opened; 0 when it is closed.
    std::uint64_t size() const { return size_; }
    // Reads `count` bytes from `offset` into `bytes`; false when they are not all there.
    bool readAt(std::uint64_t offset, std::size_t count, std::vector<unsigned char>& bytes) const;

  private:
    int descriptor_ = -1;
    std::uint64_t size_ = 0;
};
