// The --format option of the commands whose output is records: which writer the output uses.
#pragma once

#include <string>
#include <vector>

namespace orlun::cli {

// Takes "--format NAME" out of args and returns NAME, "text" when the option is not given.
// A name that is no format, a missing value or a second --format is a UsageError naming the
// formats there are.
std::string TakeFormat(std::vector<std::string>& args);

// The formats' names as a usage text gives them: "text|tsv|csv|json".
std::string FormatChoices();

} // namespace orlun::cli
