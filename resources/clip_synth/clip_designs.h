#pragma once
// The sound of every clip the program plays, designed for a young child: soft tones,
// clear meanings, nothing harsh.

#include <vector>

#include "sound/clip_catalogue.h"

// The clip's mono samples in [-1, 1], exactly as many as its length in frames. Throws
// std::out_of_range for a clip that has no design.
std::vector<float> synthesizeClip(const ClipEntry& clip);
