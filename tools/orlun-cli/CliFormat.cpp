#include "CliFormat.h"

#include "names/NameMatch.h"
#include "output/OutputFormats.h"

namespace orlun::cli {

std::string FormatChoices()
{
    return NameChoices(FormatNames());
}

std::string FormatOf(const Options& options)
{
    const auto format = options.Get("format");
    if (!format) return kTextFormat;
    const std::vector<std::string> names = FormatNames();
    if (const auto index = FindName(*format, names)) return names[*index];
    throw UsageError{"--format must be " + FormatChoices() + ", not \"" + *format + "\""};
}

} // namespace orlun::cli
