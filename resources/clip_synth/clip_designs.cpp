#include "clip_designs.h"

#include <functional>
#include <map>

#include "sample_buffer.h"

namespace {

// Pitches of the equal-tempered scale, in hertz.
constexpr double B3 = 246.94;
constexpr double C4 = 261.63;
constexpr double D4 = 293.66;
constexpr double E4 = 329.63;
constexpr double F4 = 349.23;
constexpr double G4 = 392.00;
constexpr double A4 = 440.00;
constexpr double B4 = 493.88;
constexpr double C5 = 523.25;
constexpr double D5 = 587.33;
constexpr double Eb4 = 311.13;
constexpr double E5 = 659.25;
constexpr double F5 = 698.46;
constexpr double G5 = 783.99;
constexpr double A5 = 880.00;
constexpr double C6 = 1046.50;
constexpr double E6 = 1318.51;

constexpr double kPeak = 0.7;

// A note of steady pitch.
Note tone(double start, double duration, double hz, double level, double decay) {
    return Note{start, duration, hz, hz, level, decay};
}

// Clip 102: a light, short tick for a key press.
void keyClick(SampleBuffer& sound) {
    sound.add(Note{0, 0.05, 1760, 1480, 1.0, 70, 0.002});
    sound.add(Note{0, 0.03, 3520, 3520, 0.25, 120, 0.001});
}

// Clip 103: a soft whoosh as the typed answer is wiped away.
void answerCleared(SampleBuffer& sound) { sound.add(Whoosh{0, 0.19, 500, 3500, 1.0}); }

// Clip 104: two gentle notes falling, "uh-oh".
void wrongAnswer(SampleBuffer& sound) {
    sound.add(Note{0, 0.2, G4, 380, 1.0, 3});
    sound.add(Note{0.2, 0.25, Eb4, 294, 1.0, 5});
}

// Clip 105: a rising major arpeggio ringing out like a little bell.
void rightAnswer(SampleBuffer& sound) {
    sound.add(tone(0.00, 0.68, C5, 0.7, 5));
    sound.add(tone(0.11, 0.57, E5, 0.7, 5));
    sound.add(tone(0.22, 0.46, G5, 0.7, 5));
    sound.add(tone(0.33, 0.35, C6, 0.8, 6));
}

// Clip 106: two calm beeps asking for attention.
void warning(SampleBuffer& sound) {
    sound.add(tone(0.00, 0.30, A4, 1.0, 1.5));
    sound.add(tone(0.00, 0.30, E5, 0.3, 1.5));
    sound.add(tone(0.42, 0.30, A4, 1.0, 1.5));
    sound.add(tone(0.42, 0.30, E5, 0.3, 1.5));
}

// Clip 108: a quick fanfare that lands on a bright major chord.
void runStart(SampleBuffer& sound) {
    sound.add(tone(0.00, 0.10, G4, 0.8, 4));
    sound.add(tone(0.09, 0.10, C5, 0.8, 4));
    sound.add(tone(0.18, 0.10, E5, 0.8, 4));
    sound.add(tone(0.27, 0.30, G5, 0.8, 4));
    sound.add(tone(0.27, 0.30, E5, 0.45, 4));
    sound.add(tone(0.27, 0.30, C5, 0.45, 4));
}

// Clip 109: a friendly rising blip: sound is back on.
void cuesOn(SampleBuffer& sound) {
    sound.add(tone(0.00, 0.08, A5, 0.9, 8));
    sound.add(tone(0.07, 0.13, E6, 0.8, 10));
}

// Clip 110: two notes stepping down, a small wave goodbye.
void goodbye(SampleBuffer& sound) {
    sound.add(tone(0.00, 0.095, E5, 1.0, 6));
    sound.add(tone(0.09, 0.10, C5, 1.0, 8));
}

// Clip 111: a cheerful little tune with chords under it, for a perfect run.
void perfectRun(SampleBuffer& sound) {
    constexpr double beat = 0.21;
    constexpr double melody[] = {C5, E5, G5, E5, F5, A5, G5, F5, E5, G5, F5, D5, B4, D5};
    double start = 0;
    for (const double hz : melody) {
        sound.add(tone(start, beat, hz, 0.8, 3));
        start += beat;
    }
    sound.add(tone(start, 3.77 - start, C5, 0.8, 1.5));
    sound.add(tone(start, 3.77 - start, E5, 0.5, 1.5));
    sound.add(tone(start, 3.77 - start, G5, 0.5, 1.5));
    struct Chord {
        double start;
        double duration;
        double root, third, fifth;
    };
    constexpr Chord chords[] = {
        {0 * beat, 4 * beat, C4, E4, G4},
        {4 * beat, 4 * beat, F4, A4, C5},
        {8 * beat, 4 * beat, C4, E4, G4},
        {12 * beat, 2 * beat, G4, B3, D4},
    };
    for (const Chord& chord : chords) {
        for (const double hz : {chord.root, chord.third, chord.fifth}) {
            sound.add(tone(chord.start, chord.duration, hz, 0.22, 1));
        }
    }
    sound.add(tone(start, 3.77 - start, C4, 0.3, 1.2));
}

// Clip 112: the wooden tick of a bead sliding on its rod.
void beadClick(SampleBuffer& sound) {
    sound.add(Note{0, 0.13, 1250, 950, 0.8, 40, 0.002});
    sound.add(Note{0, 0.10, 620, 560, 0.6, 30, 0.002});
}

}  // namespace

std::vector<float> synthesizeClip(const ClipEntry& clip) {
    static const std::map<std::int16_t, std::function<void(SampleBuffer&)>> designs = {
        {102, keyClick},   {103, answerCleared}, {104, wrongAnswer}, {105, rightAnswer},
        {106, warning},    {108, runStart},      {109, cuesOn},      {110, goodbye},
        {111, perfectRun}, {112, beadClick},
    };
    SampleBuffer sound(clip.sampleRate, frameCount(clip));
    designs.at(clip.id)(sound);
    sound.finish(kPeak);
    return sound.samples();
}
