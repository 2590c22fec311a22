// The titles of the messages that refuse a step of a move.
#pragma once

#include "calendar/core/Refusal.h"

namespace orlun {

inline constexpr const char* kOutOfRangeTitle = "Out of range";
inline constexpr const char* kInabilityTitle = "Inability";
inline constexpr const char* kInvalidTitle = "Invalid";

} // namespace orlun
