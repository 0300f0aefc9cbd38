#pragma once
// Texts the soak types into the name box and the lists' edit fields: empty, very long,
// emoji, digits, blanks and mixed scripts, always valid UTF-8 and without line ends.

#include <string>

#include "model/element.h"
#include "soak_random.h"

// A learner's name of one of the awkward kinds.
std::string randomName(SoakRandom& random);

// A text for the edit field of `list`: one of its items, or anything else.
std::string randomListText(const Element& list, SoakRandom& random);
