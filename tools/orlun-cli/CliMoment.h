// The moment and the settings that the data-window commands read: --ajd X or --date "TEXT",
// --country, --epoch, --method, and switches such as --jc.
#pragma once

#include <string>
#include <vector>

#include "CliArgs.h"
#include "calendar/core/Settings.h"

namespace orlun::cli {

// Removes every "--name" from args; true when it was there.
bool TakeSwitch(std::vector<std::string>& args, const std::string& name);


// The moment of --ajd X or of --date "TEXT" (read as Convert reads a typed date); the present
// moment when neither is given.
double MomentFromOptions(const Options& options, const CalendarSettings& settings);

// The moment of a typed date, read as Convert reads it; a usage error naming `what` when it is
// refused.
double MomentOfDateText(const std::string& text, const std::string& what, const CalendarSettings& settings);

// Lines end with CR LF in the window; a terminal wants LF.
std::string WithLineFeeds(std::string text);

} // namespace orlun::cli
