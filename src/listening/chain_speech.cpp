#include "listening/chain_speech.h"

#include <cstdlib>

#include "listening/number_reading.h"

namespace {

const SpokenText kPlus{"加", "jia1"};
const SpokenText kMinus{"减", "jian3"};
const SpokenText kEquals{"等于", "deng3 yu2"};

// A later term read as its sign word and its size: "加十二", "jia1 shi2 er4"; the sign word
// alone when the size has no reading.
SpokenText signedTerm(std::int32_t term, LeadingTwo two) {
    const SpokenText& sign = term < 0 ? kMinus : kPlus;
    const std::int32_t size = term < -kLargestReadNumber ? -1 : std::abs(term);
    const std::string sizePinyin = pinyinReading(size, two);
    return {sign.chinese + chineseReading(size, two),
            sizePinyin.empty() ? sign.pinyin : sign.pinyin + " " + sizePinyin};
}

}  // namespace

std::vector<SpokenText> chainSpeech(std::span<const std::int32_t> terms, LeadingTwo two) {
    if (terms.empty()) return {};
    std::vector<SpokenText> spoken{{chineseReading(terms[0], two), pinyinReading(terms[0], two)}};
    for (const std::int32_t term : terms.subspan(1)) spoken.push_back(signedTerm(term, two));
    spoken.push_back(kEquals);
    return spoken;
}
