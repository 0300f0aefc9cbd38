#pragma once
// A speech output that reads nothing aloud and remembers what it was asked to read.

#include <string>
#include <vector>

#include "model/services.h"
#include "model/speech_length.h"

class RecordingSpeechOutput : public SpeechOutput {
  public:
    // One text asked for, with the voice's rate.
    struct Reading {
        std::string chinese;
        std::string pinyin;
        int wordsPerMinute = 0;
    };

    int speak(const std::string& chinese, const std::string& pinyin, int wordsPerMinute) override {
        spoken.push_back({chinese, pinyin, wordsPerMinute});
        return expectedSpeechMilliseconds(pinyin, wordsPerMinute);
    }
    bool available() override { return deviceFound; }

    std::vector<Reading> spoken;
    bool deviceFound = true;  // false stands for a machine without an audio device
};
