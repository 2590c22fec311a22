#include "CliArgs.h"

#include <algorithm>
#include <utility>

#include "calendar/astro/SolarTerms.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/CountryProfile.h"
#include "calendar/core/WholeNumber.h"
#include "names/NameMatch.h"

namespace orlun::cli {

std::optional<double> ParseDouble(const std::string& text) { return ParseDecimalNumber(text); }

std::optional<int64_t> ParseInteger(const std::string& text, int64_t min, int64_t max)
{
    return ParseWholeNumber(text, min, max);
}

size_t ChoiceNamed(std::string_view what, const std::string& text, std::span<const std::string> names)
{
    if (const auto index = FindName(text, names)) return *index;
    const std::string kind(what);
    throw UsageError{"unknown " + kind + " \"" + text + "\"; valid " + kind + "s: " + NameList(names)};
}

Options::Options(std::vector<std::string> positionals, std::vector<std::pair<std::string, std::string>> values,
                 std::vector<std::string> switches)
    : positionals_(std::move(positionals)), values_(std::move(values)), switches_(std::move(switches))
{
}

std::optional<std::string> Options::Get(const std::string& name) const
{
    for (const auto& [n, v] : values_)
        if (n == name) return v;
    return std::nullopt;
}

bool Options::Has(const std::string& name) const
{
    return std::find(switches_.begin(), switches_.end(), name) != switches_.end();
}

namespace {

template <typename Value>
struct NamedValue {
    const char* name;
    Value value;
};

// The epochs and methods as the command line names them.
constexpr NamedValue<int> kEpochs[] = {{"-2696", kEpochHuangdi}, {"-2636", kEpochAlternative}};
constexpr NamedValue<TermMethod> kMethods[] = {{"true", TermMethod::TrueSun}, {"mean", TermMethod::MeanSun}};

template <typename Value, size_t N>
std::vector<std::string> NamesOf(const NamedValue<Value> (&rows)[N])
{
    std::vector<std::string> names;
    for (const NamedValue<Value>& row : rows) names.emplace_back(row.name);
    return names;
}

// The value of the row whose name the text spells.
template <typename Value, size_t N>
std::optional<Value> ValueNamed(const std::string& text, const NamedValue<Value> (&rows)[N])
{
    if (const auto index = FindName(text, NamesOf(rows))) return rows[*index].value;
    return std::nullopt;
}

} // namespace

std::vector<std::string> CountryNames()
{
    std::vector<std::string> names;
    for (const CountryProfile& profile : CountryProfiles()) names.emplace_back(profile.name);
    return names;
}

std::optional<std::string> YearsText(const Options& options)
{
    const auto years = options.Get("years");
    const auto within = options.Get("within");
    if (years && within) throw UsageError{"give --years or --within, not both"};
    if (!within) return years;
    std::string key = NameKey(*within);
    if (key.rfind("within ", 0) == 0) key.erase(0, 7);
    for (const char* unit : {" years", " year"}) {
        const std::string suffix = unit;
        if (key.size() > suffix.size() && key.compare(key.size() - suffix.size(), suffix.size(), suffix) == 0)
            return key.substr(0, key.size() - suffix.size());
    }
    throw UsageError{"--within must be \"N years\", not \"" + *within + "\""};
}

std::vector<std::string> EpochNames() { return NamesOf(kEpochs); }
std::vector<std::string> MethodNames() { return NamesOf(kMethods); }

CalendarSettings SettingsFromOptions(const Options& options)
{
    Country country = DefaultCountry();
    if (auto name = options.Get("country")) {
        const auto index = FindName(*name, CountryNames());
        if (!index)
            throw UsageError{"--country must be " + CountryNameList(", ", " or ") + ", not \"" + *name + "\""};
        country = CountryProfiles()[*index].country;
    }
    CalendarSettings settings = SettingsForCountry(country);
    ApplyEpochAndMethod(options, settings);
    return settings;
}

void ApplyEpochAndMethod(const Options& options, CalendarSettings& settings)
{
    if (auto epoch = options.Get("epoch")) {
        const auto value = ValueNamed(*epoch, kEpochs);
        if (!value) throw UsageError{"--epoch must be -2696 or -2636"};
        settings.epoch = *value;
    }
    if (auto method = options.Get("method")) {
        const auto value = ValueNamed(*method, kMethods);
        if (!value) throw UsageError{"--method must be true or mean, not \"" + *method + "\""};
        settings.method = *value;
    }
}

} // namespace orlun::cli
