#pragma once
// Whole numbers read aloud in standard Mandarin, written in Chinese characters or as
// tone-numbered pinyin.

#include <cstdint>
#include <string>

// The largest number a reading covers: eight digits, up to 九千九百九十九万九千九百九十九.
inline constexpr std::int32_t kLargestReadNumber = 99'999'999;

// How a leading 2 before 百, 千 or 万 is read: 两 (两百), as most say, or 二 (二百), as some
// teachers prefer.
enum class LeadingTwo { Liang, Er };

// The reading of `number` in Chinese characters ("一千四百零八"): one 零 for each run of zeros
// between non-zero digits but for zeros ending the part before 万 when its thousands follow
// ("四十万五千"), none at the end, 十 alone for a leading 1 in the tens of a number
// or of the part before 万 below 20, 两 (or 二, as `two` says) for a leading 2 before 百, 千
// or 万. Empty outside 0 .. kLargestReadNumber.
std::string chineseReading(std::int32_t number, LeadingTwo two = LeadingTwo::Liang);

// The same reading as tone-numbered pinyin syllables separated by blanks
// ("yi1 qian1 si4 bai3 ling2 ba1"), with the tone change of 一 before a place word: yi2
// before 万, whose tone is the fourth, yi4 before 十, 百 and 千 (一百 yi4 bai3, 一万 yi2 wan4);
// 一 stays yi1 alone and at the end (十一 shi2 yi1); and a third tone before another third
// tone within the number takes the second (五百 wu2 bai3, 两百 liang2 bai3, 九千九百 jiu3 qian1
// jiu2 bai3). Empty outside 0 .. kLargestReadNumber.
std::string pinyinReading(std::int32_t number, LeadingTwo two = LeadingTwo::Liang);
