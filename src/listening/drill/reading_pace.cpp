#include "listening/drill/reading_pace.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "listening/chain_speech.h"
#include "listening/speaking_rate.h"
#include "model/speech_length.h"

namespace {

constexpr double kMillisecondsPerSecond = 1000.0;
constexpr int kLongestDigits = 8;

// The number of `digits` digits with the longest reading: no zero and no leading 1, 77..7.
std::int32_t longestNumber(int digits) {
    std::int32_t number = 0;
    for (int i = 0; i < std::clamp(digits, 1, kLongestDigits); ++i) number = number * 10 + 7;
    return number;
}

// True when the longest reading of `digits` digits and its pause end inside `periodMs`.
bool fitsAt(int wordsPerMinute, int digits, int periodMs) {
    return longestTermReadingMilliseconds(digits, wordsPerMinute) + kPauseAfterReading <= periodMs;
}

}  // namespace

int longestTermReadingMilliseconds(int digits, int wordsPerMinute) {
    const std::int32_t term = -longestNumber(digits);
    const std::vector<SpokenText> texts = chainSpeech(std::vector<std::int32_t>{0, term});
    return expectedSpeechMilliseconds(texts[1].pinyin, wordsPerMinute);
}

ReadingPace readingPace(double secondsPerNumber, int digits) {
    const int own = speakingRate(secondsPerNumber);
    const double seconds =
        std::isnan(secondsPerNumber) ? kSlowestSecondsPerNumber : secondsPerNumber;
    const int periodMs = static_cast<int>(std::lround(seconds * kMillisecondsPerSecond));
    for (int rate = own; rate <= std::max(own, kClearestQuickWordsPerMinute); ++rate) {
        if (fitsAt(rate, digits, periodMs)) return {rate, true};
    }
    return {std::max(own, kClearestQuickWordsPerMinute), false};
}

std::optional<double> quickestFittingPace(std::span<const double> paces, double chosen,
                                          int digits) {
    for (const double pace : paces) {
        if (pace >= chosen && readingPace(pace, digits).fits) return pace;
    }
    return std::nullopt;
}
