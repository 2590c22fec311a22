// Small, strict readers of command-line arguments: a whole argument must be a number.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/core/Settings.h"

namespace orlun::cli {

// Thrown for bad arguments; main prints the message and the usage on stderr and exits with 2.
struct UsageError {
    std::string message;
};

// A finite double from the whole text, or nullopt.
std::optional<double> ParseDouble(const std::string& text);
// A whole number in [min, max] from the whole text (optional sign, digits), or nullopt.
std::optional<int64_t> ParseInteger(const std::string& text, int64_t min, int64_t max);

// The index of the name the text spells in any case and spelling of spaces (names/NameMatch.h); a
// usage error listing the valid names otherwise: what is the singular, "unit", "target" ...
size_t ChoiceNamed(std::string_view what, const std::string& text, std::span<const std::string> names);

// Options of the form "--name value" after the positional arguments.
class Options {
public:
    // Splits args into positionals and "--name value" pairs; known names only.
    Options(const std::vector<std::string>& args, const std::vector<std::string>& known);
    const std::vector<std::string>& Positionals() const { return positionals_; }
    std::optional<std::string> Get(const std::string& name) const;

private:
    std::vector<std::string> positionals_;
    std::vector<std::pair<std::string, std::string>> values_;
};

// The settings named by --country (default China), --epoch and --method where the command has them.
CalendarSettings SettingsFromOptions(const Options& options);

// Applies --epoch (-2696 or -2636) and --method (true or mean) when given.
void ApplyEpochAndMethod(const Options& options, CalendarSettings& settings);

} // namespace orlun::cli
