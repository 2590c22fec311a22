// The temporary files of a checked write: a name that says whose they are, and the removal of the
// ones that a crash between writing and renaming left behind.
#pragma once

#include <chrono>
#include <string>

namespace orlun::io {

// A temporary file older than this is a leftover; a younger one may belong to a write in progress
// in another process.
inline constexpr std::chrono::seconds kLeftoverAge{60};

// The mkostemp pattern beside target: ".NAME.orlun-tmp-XXXXXX" in the target's folder (hidden, and
// recognisable as ours and as belonging to that file).
std::string TemporaryPatternFor(const std::string& target);

// True for a name made from TemporaryPatternFor(target).
bool IsTemporaryNameOf(const std::string& name, const std::string& target);

// Removes the leftovers of earlier writes to target (older than kLeftoverAge); errors are ignored,
// since a leftover harms nothing but space.
void RemoveLeftoversOf(const std::string& target);

} // namespace orlun::io
