#include "history/sqlite/database_header.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "history/sqlite/plain_file.h"

namespace {

constexpr std::size_t kHeaderSize = 100;
constexpr char kMagic[] = "SQLite format 3";  // with its closing NUL, the first 16 bytes
constexpr std::size_t kWriteVersion = 18;
constexpr std::size_t kReadVersion = 19;
constexpr std::size_t kPayloadFractions = 21;
constexpr std::size_t kSchemaFormat = 44;
constexpr std::array<unsigned char, 3> kFixedFractions = {64, 32, 32};

}  // namespace

bool headerFieldsSound(const std::string& path) {
    std::vector<unsigned char> header;
    if (!PlainFile(path).readAt(0, kHeaderSize, header)) return true;
    if (!std::equal(kMagic, kMagic + sizeof kMagic, header.begin())) return true;
    const auto byte = [&header](std::size_t at) { return header[at]; };
    const auto isVersion = [](unsigned char value) { return value == 1 || value == 2; };
    if (!isVersion(byte(kWriteVersion)) || !isVersion(byte(kReadVersion))) return false;
    for (std::size_t i = 0; i < kFixedFractions.size(); ++i) {
        if (byte(kPayloadFractions + i) != kFixedFractions[i]) return false;
    }
    const std::uint32_t schemaFormat =
        std::uint32_t{byte(kSchemaFormat)} << 24 | std::uint32_t{byte(kSchemaFormat + 1)} << 16 |
        std::uint32_t{byte(kSchemaFormat + 2)} << 8 | std::uint32_t{byte(kSchemaFormat + 3)};
    return schemaFormat <= 4;
}
