#pragma once
// A mono sound being put together: notes and noise are mixed into it, then it is levelled
// and given soft edges so that it starts and stops without a click.

#include <cstdint>
#include <vector>

// One note: a soft bell-like tone that may glide in pitch and dies away over its duration.
struct Note {
    double startSeconds = 0;
    double durationSeconds = 0;
    double startHz = 0;
    double endHz = 0;           // equal to startHz for a steady pitch
    double level = 1;           // loudness relative to the other notes of the clip
    double decayPerSecond = 4;  // how fast the note fades after its attack
    double attackSeconds = 0.006;
};

// A breath of noise whose brightness sweeps from `lowHz` up to `highHz` and back.
struct Whoosh {
    double startSeconds = 0;
    double durationSeconds = 0;
    double lowHz = 0;
    double highHz = 0;
    double level = 1;
};

class SampleBuffer {
  public:
    SampleBuffer(int sampleRate, std::int64_t frames);

    // Mixes in a note; the part of it past the end of the buffer is left out.
    void add(const Note& note);
    // Mixes in a whoosh of deterministic noise.
    void add(const Whoosh& whoosh);
    // Scales the loudest sample to `peak` and fades the first and last few milliseconds.
    void finish(double peak);

    int sampleRate() const { return sampleRate_; }
    const std::vector<float>& samples() const { return samples_; }

  private:
    std::int64_t frameAt(double seconds) const;

    int sampleRate_;
    std::vector<float> samples_;
};
