#include "history/sqlite/write_ahead_log.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

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

// True when the frame at `offset` belongs to this log: its salts are the header's.
bool belongsToThisLog(const Bytes& bytes, std::size_t offset) {
    return bigEndianAt(bytes, offset + 8) == bigEndianAt(bytes, 16) &&
           bigEndianAt(bytes, offset + 12) == bigEndianAt(bytes, 20);
}

// True when the frame at `offset` belongs to this log and ends a transaction.
bool isCommitOfThisLog(const Bytes& bytes, std::size_t offset) {
    return bigEndianAt(bytes, offset + 4) != 0 && belongsToThisLog(bytes, offset);
}

}  // namespace

bool logLosesCommits(const std::string& logPath) {
    std::ifstream in(logPath, std::ios::binary);
    const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < kHeaderSize) return false;
    const std::uint32_t magic = bigEndianAt(bytes, 0);
    const std::size_t pageSize = bigEndianAt(bytes, 8);
    const bool pageSizeSound =
        pageSize >= 512 && pageSize <= 65536 && (pageSize & (pageSize - 1)) == 0;
    const std::size_t frameSize = kFrameHeaderSize + pageSize;
    const bool hasFrames = pageSizeSound && bytes.size() >= kHeaderSize + frameSize;
    if (magic != kLittleEndianMagic && magic != kBigEndianMagic) return hasFrames;
    const bool bigEndian = magic == kBigEndianMagic;
    Checksum sum = continued({0, 0}, bytes, 0, 24, bigEndian);
    if (!pageSizeSound || !matches(bytes, 24, sum)) return bytes.size() > kHeaderSize;
    std::size_t offset = kHeaderSize;
    for (; offset + frameSize <= bytes.size(); offset += frameSize) {
        if (!belongsToThisLog(bytes, offset)) break;
        const Checksum next = continued(continued(sum, bytes, offset, 8, bigEndian), bytes,
                                        offset + kFrameHeaderSize, pageSize, bigEndian);
        if (!matches(bytes, offset + 16, next)) break;
        sum = next;
    }
    for (; offset + frameSize <= bytes.size(); offset += frameSize) {
        if (isCommitOfThisLog(bytes, offset)) return true;
    }
    return false;
}
