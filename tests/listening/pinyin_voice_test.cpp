// The Mandarin voice: pinyin becomes Mandarin syllables, never an English fallback, and a
// number sounds for a time a child can follow, from any thread.

#include "listening/espeak/pinyin_voice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "listening/chain_speech.h"
#include "listening/number_reading.h"
#include "listening/speaking_rate.h"

namespace {

// Every word a chain is read with.
const std::vector<std::string> kChainWords{
    "ling2", "yi1", "yi2",  "yi4",  "er4",  "liang3", "san1", "si4",  "wu3",   "liu4",
    "qi1",   "ba1", "jiu3", "shi2", "bai3", "qian1",  "wan4", "jia1", "jian3", "deng3 yu2"};

// True when every syllable of `pinyin` came out as one Mandarin syllable: one tone contour
// ("55", "35", "214", "51") per syllable and no switch to another language's phonemes, which
// the library marks as "(en)".
bool soundsMandarin(const std::string& phonemes, const std::string& pinyin) {
    if (phonemes.find('(') != std::string::npos) return false;
    static const std::regex toneContour("[1-5]{2,3}");
    const auto contours =
        std::distance(std::sregex_iterator(phonemes.begin(), phonemes.end(), toneContour), {});
    std::istringstream words(pinyin);
    const auto syllables = std::distance(std::istream_iterator<std::string>(words), {});
    return syllables > 0 && contours == syllables;
}

// The loudest sample, to tell speech from silence.
int peakOf(const SpokenSamples& spoken) {
    int peak = 0;
    for (const std::int16_t sample : spoken.samples) peak = std::max(peak, std::abs(int{sample}));
    return peak;
}

// True when two renders are the same words: the voice adds a little noise of its own, so two
// renders of a text differ in their samples and by a few samples in length.
bool sameUtterance(const SpokenSamples& render, const SpokenSamples& reference) {
    const auto difference =
        static_cast<double>(render.samples.size()) - static_cast<double>(reference.samples.size());
    return render.sampleRate == reference.sampleRate && peakOf(render) > 8000 &&
           std::abs(difference) <= 0.01 * static_cast<double>(reference.samples.size());
}

// The length of a render in seconds.
double secondsOf(const SpokenSamples& spoken) {
    return std::chrono::duration<double>(spoken.length()).count();
}

TEST(PinyinVoice, SpeaksEverySyllableAndReadingAsMandarin) {
    const PinyinVoice voice;
    ASSERT_TRUE(voice.ready());
    for (const std::string& word : kChainWords) {
        EXPECT_TRUE(soundsMandarin(voice.phonemes(word), word))
            << word << " -> " << voice.phonemes(word);
    }
    const std::vector<std::int32_t> chain{1408, -222, 10'010, -99'999'999, 150'000};
    for (const SpokenText& text : chainSpeech(chain)) {
        EXPECT_TRUE(soundsMandarin(voice.phonemes(text.pinyin), text.pinyin))
            << text.chinese << " " << text.pinyin << " -> " << voice.phonemes(text.pinyin);
    }
}

TEST(PinyinVoice, ShowsAnEnglishFallbackAsNotMandarin) {
    const PinyinVoice voice;
    const std::string english = "hello world";
    EXPECT_FALSE(soundsMandarin(voice.phonemes(english), english)) << voice.phonemes(english);
}

TEST(PinyinVoice, SpeaksOneThousandFourHundredAndEightInAFollowableTime) {
    const PinyinVoice voice;
    ASSERT_TRUE(voice.ready());
    const std::string number = pinyinReading(1408);
    double previousSeconds = 0;
    for (const double pace : {kQuickestSecondsPerNumber, 1.0, kSlowestSecondsPerNumber}) {
        const SpokenSamples spoken = voice.speak(number, speakingRate(pace));
        EXPECT_GT(spoken.sampleRate, 8000) << pace;
        EXPECT_GT(peakOf(spoken), 8000) << pace;
        ASSERT_FALSE(spoken.samples.empty()) << pace;
        EXPECT_NE(spoken.samples.front(), 0) << pace;
        EXPECT_NE(spoken.samples.back(), 0) << pace;
        EXPECT_GE(secondsOf(spoken), 0.8) << pace;
        EXPECT_LE(secondsOf(spoken), 3.0) << pace;
        EXPECT_GT(secondsOf(spoken), previousSeconds) << pace;
        previousSeconds = secondsOf(spoken);
    }
}

TEST(PinyinVoice, SpeaksEveryWordAudiblyBelowFullScale) {
    constexpr int kHeadroomPeak = 30'000;
    const PinyinVoice voice;
    ASSERT_TRUE(voice.ready());
    for (const std::string& word : kChainWords) {
        for (const int rate : {kSlowestWordsPerMinute, kQuickestWordsPerMinute}) {
            const int peak = peakOf(voice.speak(word, rate));
            EXPECT_GT(peak, 8000) << word << " at " << rate;
            EXPECT_LT(peak, kHeadroomPeak) << word << " at " << rate;
        }
    }
}

// Renders from four threads at once, each the same words as a render made alone; a voice
// that let two threads into the library together would mix or lose their samples.
TEST(PinyinVoice, SpeaksTheSameFromManyThreadsAtOnce) {
    const PinyinVoice voice;
    ASSERT_TRUE(voice.ready());
    const std::vector<std::int32_t> numbers{7, 1408, 325, 20'000, 99'999'999, 10'010};
    std::vector<SpokenSamples> alone;
    for (const std::int32_t number : numbers) {
        alone.push_back(voice.speak(pinyinReading(number), speakingRate(1.0)));
    }
    constexpr int kThreads = 4;
    constexpr int kRounds = 3;
    std::vector<std::vector<SpokenSamples>> together(kThreads);
    std::vector<std::thread> threads;
    for (int thread = 0; thread < kThreads; ++thread) {
        threads.emplace_back([&, thread] {
            for (int round = 0; round < kRounds; ++round) {
                for (const std::int32_t number : numbers) {
                    together[thread].push_back(
                        voice.speak(pinyinReading(number), speakingRate(1.0)));
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (const std::vector<SpokenSamples>& renders : together) {
        ASSERT_EQ(renders.size(), numbers.size() * kRounds);
        for (std::size_t at = 0; at < renders.size(); ++at) {
            const SpokenSamples& lone = alone[at % numbers.size()];
            EXPECT_TRUE(sameUtterance(renders[at], lone))
                << numbers[at % numbers.size()] << ": " << renders[at].samples.size() << " against "
                << lone.samples.size() << " samples";
        }
    }
}

}  // namespace
