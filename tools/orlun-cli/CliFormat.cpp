#include "CliFormat.h"

#include "CliArgs.h"
#include "output/OutputFormats.h"

namespace orlun::cli {

namespace {

constexpr const char* kFormatOption = "--format";

} // namespace

std::string FormatChoices()
{
    std::string names;
    for (const std::string& name : FormatNames()) names += (names.empty() ? "" : "|") + name;
    return names;
}

std::string TakeFormat(std::vector<std::string>& args)
{
    std::string format;
    for (size_t i = 0; i < args.size();) {
        if (args[i] != kFormatOption) {
            ++i;
            continue;
        }
        if (!format.empty()) throw UsageError{"option --format given twice"};
        if (i + 1 >= args.size()) throw UsageError{"option --format needs a value: " + FormatChoices()};
        format = args[i + 1];
        if (!WriterOfFormat(format))
            throw UsageError{"--format must be " + FormatChoices() + ", not \"" + format + "\""};
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    }
    return format.empty() ? kTextFormat : format;
}

} // namespace orlun::cli
