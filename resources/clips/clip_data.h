#pragma once
// The WAVE images of the clips built into the program.

#include <cstdint>
#include <span>

// The bytes of built-in clip `id`, empty when the program has no such clip.
std::span<const std::uint8_t> embeddedClip(std::int16_t id);
