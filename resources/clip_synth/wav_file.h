#pragma once
// Writing a synthesised clip as a WAVE file in the catalogue's encoding.

#include <string>
#include <vector>

#include "sound/clip_catalogue.h"

// Writes the mono `samples` to `path` in the clip's encoding, bits, channels and rate, the
// same sound on every channel. Returns libsndfile's complaint, empty on success.
std::string writeClipFile(const std::string& path, const ClipEntry& clip,
                          const std::vector<float>& samples);
