#pragma once
// How long the Mandarin voice takes to read a text, known before it is read, so that a reading
// gets its time in the room without waiting for the voice.

#include <string>

// The milliseconds the voice takes for tone-numbered `pinyin` ("yi1 qian1 si4 bai3 ling2 ba1") at
// `wordsPerMinute`: a little more than any reading of a chain takes, from its syllable count and
// the rate. Zero for a text without syllables or a rate that is not positive.
int expectedSpeechMilliseconds(const std::string& pinyin, int wordsPerMinute);
