#include "listening/espeak/pinyin_voice.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <mutex>

namespace {

constexpr char kMandarinPinyinVoice[] = "cmn-latn-pinyin";
constexpr int kSynthesisBufferMilliseconds = 100;
constexpr int kAsciiPhonemeNames = 0;
constexpr int kContinueSynthesis = 0;
// Below the library's full volume of 100, whose loudest syllables reach the largest sample.
constexpr int kVoiceVolume = 75;

// The library's one synthesiser. The library keeps global state and is not re-entrant, so
// every call into it holds `turn`.
struct EspeakLibrary {
    EspeakLibrary() {
        sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kSynthesisBufferMilliseconds,
                                       nullptr, espeakINITIALIZE_DONT_EXIT);
        if (sampleRate <= 0) return;
        espeak_SetSynthCallback(&collectSamples);
        ready = espeak_SetVoiceByName(kMandarinPinyinVoice) == EE_OK &&
                espeak_SetParameter(espeakVOLUME, kVoiceVolume, 0) == EE_OK;
    }
    // Appends each block the synthesiser hands over to the samples its request named.
    static int collectSamples(short* wave, int count, espeak_EVENT* events) {
        auto* samples = static_cast<std::vector<std::int16_t>*>(events->user_data);
        if (wave != nullptr && count > 0 && samples != nullptr) {
            samples->insert(samples->end(), wave, wave + count);
        }
        return kContinueSynthesis;
    }

    std::mutex turn;
    int sampleRate = 0;
    bool ready = false;
};

// The process's synthesiser, set up the first time it is asked for and never shut down, so
// that a playback thread still speaking while the program exits finds it whole.
EspeakLibrary& espeakLibrary() {
    static EspeakLibrary* const library = new EspeakLibrary;
    return *library;
}

// Drops the silent samples the library pads before and after speech, whose count depends on
// what it said before, so that a render starts with its first sound and ends with its last.
void trimSilence(std::vector<std::int16_t>& samples) {
    const auto isSound = [](std::int16_t sample) { return sample != 0; };
    const auto lastSound = std::find_if(samples.rbegin(), samples.rend(), isSound);
    samples.erase(lastSound.base(), samples.end());
    samples.erase(samples.begin(), std::find_if(samples.begin(), samples.end(), isSound));
}

}  // namespace

std::chrono::microseconds SpokenSamples::length() const {
    if (sampleRate <= 0) return {};
    const auto count = static_cast<std::int64_t>(samples.size());
    return std::chrono::microseconds(count * 1'000'000 / sampleRate);
}

PinyinVoice::PinyinVoice() { espeakLibrary(); }

bool PinyinVoice::ready() const { return espeakLibrary().ready; }

SpokenSamples PinyinVoice::speak(const std::string& pinyin, int wordsPerMinute) const {
    EspeakLibrary& library = espeakLibrary();
    if (!library.ready) return {};
    SpokenSamples spoken{library.sampleRate, {}};
    const std::lock_guard lock(library.turn);
    const int rate = std::clamp(wordsPerMinute, espeakRATE_MINIMUM, espeakRATE_MAXIMUM);
    if (espeak_SetParameter(espeakRATE, rate, 0) != EE_OK) return {};
    const espeak_ERROR result = espeak_Synth(pinyin.c_str(), pinyin.size() + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, &spoken.samples);
    if (result != EE_OK) return {};
    trimSilence(spoken.samples);
    return spoken;
}

std::string PinyinVoice::phonemes(const std::string& pinyin) const {
    EspeakLibrary& library = espeakLibrary();
    if (!library.ready) return {};
    const std::lock_guard lock(library.turn);
    std::string names;
    const void* rest = pinyin.c_str();
    while (rest != nullptr) {
        const char* clause = espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, kAsciiPhonemeNames);
        if (clause == nullptr) break;
        if (!names.empty()) names += ' ';
        names += clause;
    }
    return names;
}
