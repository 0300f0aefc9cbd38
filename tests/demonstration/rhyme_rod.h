#pragma once
// A rod of the abacus moved as a bead rhyme says, for the tests of the rhymes.

#include <string>

inline const std::string kWords[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// A rod's counted beads moved as a rhyme says: "上"/"还" n and "下五" put beads against the
// beam, "去" n takes them away, "进一" carries and "退一" borrows. A move the beads cannot
// make fails the rod, so only the rhyme the bead counts call for passes.
struct Rod {
    int upper, lower, leading = 0, passed = 0;
    bool possible = true;

    Rod(int digit, const std::string& rhyme) : upper(digit / 5), lower(digit % 5) {
        std::size_t at = 0;
        const auto take = [&](const std::string& word) {
            if (rhyme.compare(at, word.size(), word) != 0) return false;
            at += word.size();
            return true;
        };
        const auto number = [&] {
            for (int digit = 1; digit <= 9; ++digit) {
                if (take(kWords[digit])) return digit;
            }
            return 0;
        };
        leading = number();
        while (at < rhyme.size() && possible) {
            if (take("下五")) {
                move(+1, 5);
            } else if (take("上") || take("还")) {
                move(+1, number());
            } else if (take("去")) {
                move(-1, number());
            } else if (take("进一")) {
                passed = 1;
            } else if (take("退一")) {
                passed = -1;
            } else {
                possible = false;
            }
        }
    }
    void move(int sign, int count) {
        if (count >= 5) upper += sign;
        lower += sign * (count % 5);
        possible = possible && upper >= 0 && upper <= 1 && lower >= 0 && lower <= 4;
    }
};
