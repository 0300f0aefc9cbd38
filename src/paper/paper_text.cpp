#include "paper/paper_text.h"

#include "engine/question_operators.h"
#include "engine/text_number.h"

int characterCount(const std::string& text) {
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string blanks(int count) { return count > 0 ? std::string(count, ' ') : std::string(); }

std::string listNumber(std::int32_t number) {
    return signedNumber(number) + (number < 10 ? ")  " : ") ");
}

std::string compactNumber(std::int32_t number) {
    return signedNumber(number) + (number < 10 ? ") " : ")");
}

std::string paperTermText(std::int32_t term) { return signedNumber(term) + " "; }

bool isWideOperator(const std::string& sign) { return sign == kTimesSign || sign == kDivideSign; }
