// The --format option of the commands whose output is records: which writer the output uses.
#pragma once

#include <string>

#include "CliArgs.h"

namespace orlun::cli {

// The format --format names, in any case ("text" when not given); a name that is none is a
// UsageError naming the formats there are.
std::string FormatOf(const Options& options);

// The formats' names as a usage text gives them: "text|tsv|csv|json".
std::string FormatChoices();

} // namespace orlun::cli
