#include "wav_file.h"

#include <sndfile.h>

namespace {

// libsndfile's format code for the clip: WAVE with the clip's sample encoding.
int soundFileFormat(const ClipEntry& clip) {
    if (clip.encoding == ClipEncoding::MsAdpcm) return SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM;
    return SF_FORMAT_WAV | (clip.bitsPerSample == 8 ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_16);
}

// The mono samples repeated on every channel, frame by frame.
std::vector<float> interleaved(const std::vector<float>& samples, int channels) {
    std::vector<float> frames;
    frames.reserve(samples.size() * static_cast<std::size_t>(channels));
    for (const float sample : samples) frames.insert(frames.end(), channels, sample);
    return frames;
}

}  // namespace

std::string writeClipFile(const std::string& path, const ClipEntry& clip,
                          const std::vector<float>& samples) {
    SF_INFO info{};
    info.samplerate = clip.sampleRate;
    info.channels = clip.channels;
    info.format = soundFileFormat(clip);
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) return sf_error_number(sf_error(nullptr));
    const std::vector<float> frames = interleaved(samples, clip.channels);
    const auto frameTotal = static_cast<sf_count_t>(samples.size());
    std::string problem;
    if (sf_writef_float(file, frames.data(), frameTotal) != frameTotal) problem = sf_strerror(file);
    if (sf_close(file) != 0 && problem.empty()) problem = "could not finish " + path;
    return problem;
}
