#include "engine/random_choice.h"

#include <cmath>

int randomChoice(RandomSource& random, int k) {
    return static_cast<int>(std::floor(static_cast<double>(random.next()) * k + 1));
}
