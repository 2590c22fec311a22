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

// A command's arguments as the parser read them: the positional arguments, the "--name value"
// options and the switches, each under its own name (an alias such as --back under --previous).
class Options {
public:
    Options() = default;
    Options(std::vector<std::string> positionals, std::vector<std::pair<std::string, std::string>> values,
            std::vector<std::string> switches);
    const std::vector<std::string>& Positionals() const { return positionals_; }
    std::optional<std::string> Get(const std::string& name) const;
    // Whether the switch "--name" was given.
    bool Has(const std::string& name) const;

private:
    std::vector<std::string> positionals_;
    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> switches_;
};

// The number of years of --years N or of its other spelling --within "N years" (in any case, with
// or without "within"), as text; nullopt when neither is given, a usage error when both are.
std::optional<std::string> YearsText(const Options& options);

// The names --country, --epoch and --method take, in list order.
std::vector<std::string> CountryNames();
std::vector<std::string> EpochNames();
std::vector<std::string> MethodNames();

// The settings named by --country (default China), --epoch and --method where the command has them.
CalendarSettings SettingsFromOptions(const Options& options);

// Applies --epoch (-2696 or -2636) and --method (true or mean) when given.
void ApplyEpochAndMethod(const Options& options, CalendarSettings& settings);

} // namespace orlun::cli
