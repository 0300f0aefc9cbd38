#pragma once
// A random choice among k items, numbered from 1.

#include "model/services.h"

// Int(Rnd × k + 1): one of 1 .. k with equal chances, computed in double so that the largest
// Rnd below 1 still gives k and never k + 1.
int randomChoice(RandomSource& random, int k);
