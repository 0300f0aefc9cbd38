#include "headless/embedded_resources.h"

#include "clip_data.h"

std::span<const std::uint8_t> EmbeddedResources::clip(std::int16_t id) const {
    return embeddedClip(id);
}
