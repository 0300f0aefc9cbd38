#pragma once
// The clips built into the program, looked up by id.

#include "model/services.h"

class EmbeddedResources : public Resources {
  public:
    std::span<const std::uint8_t> clip(std::int16_t id) const override;
};
