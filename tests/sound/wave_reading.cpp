#include "wave_reading.h"

#include <fstream>

WaveContents readWaveFile(const std::filesystem::path& path) {
    WaveContents contents;
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &contents.info);
    if (file == nullptr) {
        contents.info = SF_INFO{};
        return contents;
    }
    contents.samples.resize(
        static_cast<std::size_t>(contents.info.frames * contents.info.channels));
    const sf_count_t read = sf_readf_short(file, contents.samples.data(), contents.info.frames);
    contents.samples.resize(static_cast<std::size_t>(read * contents.info.channels));
    sf_close(file);
    return contents;
}

void writeBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}
