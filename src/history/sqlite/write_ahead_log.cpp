#include "history/sqlite/write_ahead_log.h"

#include <array>
#include <cstdint>
#include <vector>

#include "history/sqlite/plain_file.h"

namespace {

constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kFrameHeaderSize = 24;
constexpr std::uint32_t kLittleEndianMagic = 0x377f0682;
constexpr std::uint32_t kBigEndianMagic = 0x377f0683;

using Bytes = std::vector<unsigned char>;
using Checksum = std::array<std::uint32_t, 2>;

// The big-endian 32-bit number at `offset`.
std::uint32_t bigEndianAt(const Bytes& bytes, std::size_t offset) {
    return std::uint32_t{bytes[offset]} << 24 | std::uint32_t{bytes[offset + 1]} << 16 |
           std::uint32_t{bytes[offset + 2]} << 8 | std::uint32_t{bytes[offset + 3]};
}

// The 32-bit word at `offset` in the byte order the log's checksums use.
std::uint32_t wordAt(const Bytes& bytes, std::size_t offset, bool bigEndian) {
    if (bigEndian) return bigEndianAt(bytes, offset);
    return std::uint32_t{bytes[offset + 3]} << 24 | std::uint32_t{bytes[offset + 2]} << 16 |
           std::uint32_t{bytes[offset + 1]} << 8 | std::uint32_t{bytes[offset]};
}

// SQLite's running checksum over `size` bytes from `offset`, continued from `sum`.
Checksum continued(Checksum sum, const Bytes& bytes, std::size_t offset, std::size_t size,
                   bool bigEndian) {
    for (std::size_t at = offset; at + 8 <= offset + size; at += 8) {
        sum[0] += wordAt(bytes, at, bigEndian) + sum[1];
        sum[1] += wordAt(bytes, at + 4, bigEndian) + sum[0];
    }
    return sum;
}

// True when the checksum stored at `offset` is `sum`.
bool matches(const Bytes& bytes, std::size_t offset, const Checksum& sum) {
    return bigEndianAt(bytes, offset) == sum[0] && bigEndianAt(bytes, offset + 4) == sum[1];
}

// True when `frame` carries the salts of the log's `header`.
bool belongsToThisLog(const Bytes& frame, const Bytes& header) {
    return bigEndianAt(frame, 8) == bigEndianAt(header, 16) &&
           bigEndianAt(frame, 12) == bigEndianAt(header, 20);
}

// True when `frame` ends a transaction.
bool isCommit(const Bytes& frame) { return bigEndianAt(frame, 4) != 0; }

}  // namespace

bool logLosesCommits(const std::string& logPath) {
    const PlainFile log(logPath);
    Bytes header;
    if (!log.readAt(0, kHeaderSize, header)) return false;
    const std::uint32_t magic = bigEndianAt(header, 0);
    const std::size_t pageSize = bigEndianAt(header, 8);
    const bool pageSizeSound =
        pageSize >= 512 && pageSize <= 65536 && (pageSize & (pageSize - 1)) == 0;
    const std::size_t frameSize = kFrameHeaderSize + pageSize;
    const bool hasFrames = pageSizeSound && log.size() >= kHeaderSize + frameSize;
    if (magic != kLittleEndianMagic && magic != kBigEndianMagic) return hasFrames;
    const bool bigEndian = magic == kBigEndianMagic;
    Checksum sum = continued({0, 0}, header, 0, 24, bigEndian);
    if (!pageSizeSound || !matches(header, 24, sum)) return log.size() > kHeaderSize;
    // SQLite reads frames while their salts are the header's and their checksums follow on.
    // Past the first frame it stops at, a commit is lost when its salts are the header's, or
    // when the checksums still follow on to it (a changed salt is not in the checksum), while
    // frames left from before the log was restarted follow on from nothing and do not count.
    bool readBySqlite = true;
    bool followsOn = true;
    Bytes frame;
    for (std::uint64_t offset = kHeaderSize; log.readAt(offset, frameSize, frame);
         offset += frameSize) {
        const Checksum next = continued(continued(sum, frame, 0, 8, bigEndian), frame,
                                        kFrameHeaderSize, pageSize, bigEndian);
        followsOn = followsOn && matches(frame, 16, next);
        if (followsOn) sum = next;
        const bool ours = belongsToThisLog(frame, header);
        readBySqlite = readBySqlite && followsOn && ours;
        if (!readBySqlite && isCommit(frame) && (followsOn || ours)) return true;
    }
    return false;
}
