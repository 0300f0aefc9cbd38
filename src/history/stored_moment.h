#pragma once
// A moment as the history keeps it.

#include <string>
#include <utility>

#include "model/services.h"

// The clock's date as "2026-12-08" and time as "09:05:00", which sort as text.
std::pair<std::string, std::string> sortableMoment(const LocalDateTime& moment);
