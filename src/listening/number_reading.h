#pragma once
// Whole numbers read aloud in standard Mandarin, written in Chinese characters or as
// tone-numbered pinyin.

#include <cstdint>
#include <string>

// The largest number a reading covers: eight digits, up to 九千九百九十九万九千九百九十九.
inline constexpr std::int32_t kLargestReadNumber = 99'999'999;

// The reading of `number` in Chinese characters ("一千四百零八"): one 零 for each run of zeros
// between non-zero digits but for zeros ending the part before 万 when its thousands follow
// ("四十万五千"), none at the end, 十 alone for a leading 1 in the tens of a number
// or of the part before 万 below 20, 两 for a leading 2 before 百, 千 or 万. Empty outside
// 0 .. kLargestReadNumber.
std::string chineseReading(std::int32_t number);

// The same reading as tone-numbered pinyin syllables separated by blanks
// ("yi1 qian1 si4 bai3 ling2 ba1"). Empty outside 0 .. kLargestReadNumber.
std::string pinyinReading(std::int32_t number);
