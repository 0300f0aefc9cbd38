#pragma once
// Tone-numbered pinyin spoken by libespeak-ng's Mandarin voice, rendered to memory.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// Mono 16-bit samples and the rate they sound at.
struct SpokenSamples {
    int sampleRate = 0;
    std::vector<std::int16_t> samples;

    // How long the samples sound at their rate; zero when there are none.
    std::chrono::microseconds length() const;
};

// The Mandarin voice fed pinyin such as "yi1 qian1 si4 bai3 ling2 ba1". The library and its
// voice are set up once per process, when the first voice is made; every voice shares them
// and takes turns at them, so a voice may be used from any thread.
class PinyinVoice {
  public:
    PinyinVoice();

    // False when the library or its Mandarin voice could not be set up; the voice is then
    // silent.
    bool ready() const;

    // The samples of `pinyin` spoken at `wordsPerMinute` (kept within the library's rates), from
    // the first sound to the last; none when the voice is not ready or synthesis fails.
    SpokenSamples speak(const std::string& pinyin, int wordsPerMinute) const;

    // The library's phoneme names for `pinyin`, clauses separated by blanks; a language the
    // voice falls back to shows as "(en)" and the like. Empty when the voice is not ready.
    std::string phonemes(const std::string& pinyin) const;
};
