#include "sound/alsa/wave_decoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// A read-only file over the bytes of the image, as libsndfile's virtual I/O sees it.
struct MemoryFile {
    std::span<const std::uint8_t> bytes;
    sf_count_t position = 0;
};

MemoryFile& fileOf(void* userData) { return *static_cast<MemoryFile*>(userData); }

sf_count_t memoryLength(void* userData) {
    return static_cast<sf_count_t>(fileOf(userData).bytes.size());
}

// Moves the read position like fseek, kept inside the image.
sf_count_t memorySeek(sf_count_t offset, int whence, void* userData) {
    MemoryFile& file = fileOf(userData);
    const auto size = static_cast<sf_count_t>(file.bytes.size());
    sf_count_t target = offset;
    if (whence == SEEK_CUR) target += file.position;
    if (whence == SEEK_END) target += size;
    file.position = std::clamp<sf_count_t>(target, 0, size);
    return file.position;
}

// Copies up to `count` bytes from the read position.
sf_count_t memoryRead(void* destination, sf_count_t count, void* userData) {
    MemoryFile& file = fileOf(userData);
    const auto size = static_cast<sf_count_t>(file.bytes.size());
    const sf_count_t available = std::clamp<sf_count_t>(size - file.position, 0, count);
    std::memcpy(destination, file.bytes.data() + file.position, static_cast<size_t>(available));
    file.position += available;
    return available;
}

// The image is never written to.
sf_count_t memoryWrite(const void*, sf_count_t, void*) { return 0; }

sf_count_t memoryTell(void* userData) { return fileOf(userData).position; }

struct SoundFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

}  // namespace

std::chrono::microseconds DecodedWave::length() const {
    return std::chrono::microseconds(static_cast<std::int64_t>(frames()) * 1'000'000 / sampleRate);
}

std::optional<DecodedWave> decodeWave(std::span<const std::uint8_t> image) {
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    MemoryFile memory{image};
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SoundFileCloser> file(sf_open_virtual(&io, SFM_READ, &info, &memory));
    if (!file || info.channels < 1 || info.samplerate < 1) return std::nullopt;

    DecodedWave wave;
    wave.channels = info.channels;
    wave.sampleRate = info.samplerate;
    constexpr sf_count_t kChunkFrames = 4096;
    std::vector<std::int16_t> chunk(static_cast<std::size_t>(kChunkFrames * info.channels));
    for (;;) {
        const sf_count_t read = sf_readf_short(file.get(), chunk.data(), kChunkFrames);
        if (read <= 0) break;
        wave.samples.insert(wave.samples.end(), chunk.begin(),
                            chunk.begin() + read * info.channels);
    }
    if (wave.samples.empty()) return std::nullopt;
    return wave;
}
