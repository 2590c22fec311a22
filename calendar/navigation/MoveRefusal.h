// A move that cannot be made: the message the window shows and what it does to the move.
#pragma once

#include <string>

namespace orlun {

enum class MessageIcon { None, Warning };

// What a refused step does to a running move: it sets the stop request (the window redisplays
// the unchanged moment once more and then the move ends), or it ends the move at once.
enum class RefusalEffect { StopRequest, EndNow };

struct MoveRefusal {
    std::string title; // empty: the application's own title
    std::string text;
    MessageIcon icon = MessageIcon::None;
    RefusalEffect effect = RefusalEffect::EndNow;
};

inline constexpr const char* kOutOfRangeTitle = "Out of range";
inline constexpr const char* kInabilityTitle = "Inability";
inline constexpr const char* kInvalidTitle = "Invalid";

} // namespace orlun
