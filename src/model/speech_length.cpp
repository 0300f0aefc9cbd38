#include "model/speech_length.h"

#include <cstdint>
#include <sstream>

namespace {

// A syllable lasts about this many milliseconds at one word a minute, and a reading as a whole
// half a syllable more, for the drawn-out syllables (ling2, liang3) and the voice's own ending.
constexpr std::int64_t kSyllableAtOneWordPerMinute = 48'000;
constexpr std::int64_t kReadingAtOneWordPerMinute = 24'000;

// The blank-separated syllables of `pinyin`.
std::int64_t syllablesIn(const std::string& pinyin) {
    std::istringstream words(pinyin);
    std::int64_t count = 0;
    for (std::string syllable; words >> syllable;) ++count;
    return count;
}

}  // namespace

int expectedSpeechMilliseconds(const std::string& pinyin, int wordsPerMinute) {
    const std::int64_t syllables = syllablesIn(pinyin);
    if (syllables == 0 || wordsPerMinute <= 0) return 0;
    const std::int64_t total = syllables * kSyllableAtOneWordPerMinute + kReadingAtOneWordPerMinute;
    return static_cast<int>((total + wordsPerMinute - 1) / wordsPerMinute);
}
