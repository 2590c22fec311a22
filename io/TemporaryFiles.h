// The temporary files of a checked write: a name that says whose they are and which process made
// them, and the removal of the ones that a crash between writing and renaming left behind.
#pragma once

#include <chrono>
#include <string>

namespace orlun::io {

// A temporary file in the older form (no process id) older than this is a leftover; a younger one
// may belong to a write in progress in another process.
inline constexpr std::chrono::seconds kLeftoverAge{60};

// The mkostemp pattern beside target: ".NAME.orlun-tmp-PID-XXXXXX" in the target's folder (hidden,
// recognisable as ours, as belonging to that file and to this process).
std::string TemporaryPatternFor(const std::string& target);

// True for a name made from TemporaryPatternFor(target), or from its older form without the
// process id (".NAME.orlun-tmp-XXXXXX").
bool IsTemporaryNameOf(const std::string& name, const std::string& target);

// The process that made a temporary file of any target (".ANY.orlun-tmp-PID-XXXXXX"); 0 for a name
// of the older form or none of ours.
long OwnerOfTemporaryName(const std::string& name);

// Removes, in target's folder, the temporary files of every target whose process is no longer
// alive, and target's own ones of the older form once older than kLeftoverAge. Errors are ignored,
// since a leftover harms nothing but space.
void RemoveLeftoversBeside(const std::string& target);

} // namespace orlun::io
