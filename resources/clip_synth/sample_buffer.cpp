#include "sample_buffer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kEdgeFadeSeconds = 0.004;
constexpr double kNoteReleaseSeconds = 0.012;
constexpr std::uint32_t kNoiseSeed = 20240611;

// A mellow tone colour: the fundamental with a little of the next two harmonics.
double bellTone(double phase) {
    return std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.08 * std::sin(3 * phase);
}

// Rises smoothly from 0 to 1 as `progress` goes from 0 to 1.
double smoothRise(double progress) {
    const double clamped = std::clamp(progress, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * clamped);
}

// A low-pass filter of one pole, its cutoff changeable sample by sample.
class OnePoleLowPass {
  public:
    explicit OnePoleLowPass(int sampleRate) : sampleRate_(sampleRate) {}
    double filter(double input, double cutoffHz) {
        const double keep = std::exp(-kTwoPi * cutoffHz / sampleRate_);
        state_ = (1 - keep) * input + keep * state_;
        return state_;
    }

  private:
    int sampleRate_;
    double state_ = 0;
};

}  // namespace

SampleBuffer::SampleBuffer(int sampleRate, std::int64_t frames)
    : sampleRate_(sampleRate), samples_(static_cast<std::size_t>(frames), 0.0f) {}

std::int64_t SampleBuffer::frameAt(double seconds) const {
    return std::clamp<std::int64_t>(std::llround(seconds * sampleRate_), 0,
                                    static_cast<std::int64_t>(samples_.size()));
}

void SampleBuffer::add(const Note& note) {
    const std::int64_t first = frameAt(note.startSeconds);
    const std::int64_t last = frameAt(note.startSeconds + note.durationSeconds);
    double phase = 0;
    for (std::int64_t frame = first; frame < last; ++frame) {
        const double t = static_cast<double>(frame - first) / sampleRate_;
        const double progress = t / note.durationSeconds;
        const double hz = note.startHz + (note.endHz - note.startHz) * progress;
        const double attack = smoothRise(t / note.attackSeconds);
        const double release = smoothRise((note.durationSeconds - t) / kNoteReleaseSeconds);
        const double envelope = attack * release * std::exp(-note.decayPerSecond * t);
        samples_[static_cast<std::size_t>(frame)] +=
            static_cast<float>(note.level * envelope * bellTone(phase));
        phase += kTwoPi * hz / sampleRate_;
    }
}

void SampleBuffer::add(const Whoosh& whoosh) {
    const std::int64_t first = frameAt(whoosh.startSeconds);
    const std::int64_t last = frameAt(whoosh.startSeconds + whoosh.durationSeconds);
    std::minstd_rand noise(kNoiseSeed);
    const double noiseSpan = static_cast<double>(std::minstd_rand::max() - std::minstd_rand::min());
    OnePoleLowPass bright(sampleRate_);
    OnePoleLowPass brighter(sampleRate_);
    OnePoleLowPass rumble(sampleRate_);
    for (std::int64_t frame = first; frame < last; ++frame) {
        const double progress =
            static_cast<double>(frame - first) / static_cast<double>(last - first);
        const double swell = std::sin(std::numbers::pi * progress);
        const double cutoff = whoosh.lowHz + (whoosh.highHz - whoosh.lowHz) * swell;
        const double white = 2 * (noise() - std::minstd_rand::min()) / noiseSpan - 1;
        const double lowPassed = brighter.filter(bright.filter(white, cutoff), cutoff);
        const double bandPassed = lowPassed - rumble.filter(lowPassed, whoosh.lowHz / 2);
        samples_[static_cast<std::size_t>(frame)] +=
            static_cast<float>(whoosh.level * swell * swell * bandPassed);
    }
}

void SampleBuffer::finish(double peak) {
    float loudest = 0;
    for (const float sample : samples_) loudest = std::max(loudest, std::abs(sample));
    if (loudest > 0) {
        const auto scale = static_cast<float>(peak / loudest);
        for (float& sample : samples_) sample *= scale;
    }
    const auto edge = std::min<std::size_t>(
        static_cast<std::size_t>(kEdgeFadeSeconds * sampleRate_), samples_.size() / 2);
    for (std::size_t i = 0; i < edge; ++i) {
        const auto gain = static_cast<float>(smoothRise(static_cast<double>(i) / edge));
        samples_[i] *= gain;
        samples_[samples_.size() - 1 - i] *= gain;
    }
}
