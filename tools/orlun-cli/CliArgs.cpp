#include "CliArgs.h"

#include <algorithm>

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

Options::Options(const std::vector<std::string>& args, const std::vector<std::string>& known)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            const std::string name = a.substr(2);
            if (std::find(known.begin(), known.end(), name) == known.end())
                throw UsageError{"unknown option " + a};
            if (i + 1 >= args.size()) throw UsageError{"option " + a + " needs a value"};
            if (Get(name)) throw UsageError{"option " + a + " given twice"};
            values_.emplace_back(name, args[++i]);
        } else {
            positionals_.push_back(a);
        }
    }
}

std::optional<std::string> Options::Get(const std::string& name) const
{
    for (const auto& [n, v] : values_)
        if (n == name) return v;
    return std::nullopt;
}

namespace {

// The country rows' names, in list order.
std::vector<std::string> CountryNames()
{
    std::vector<std::string> names;
    for (const CountryProfile& profile : CountryProfiles()) names.emplace_back(profile.name);
    return names;
}

template <typename Value>
struct NamedValue {
    const char* name;
    Value value;
};

// The epochs and methods as the command line names them.
constexpr NamedValue<int> kEpochs[] = {{"-2696", kEpochHuangdi}, {"-2636", kEpochAlternative}};
constexpr NamedValue<TermMethod> kMethods[] = {{"true", TermMethod::TrueSun}, {"mean", TermMethod::MeanSun}};

// The value of the row whose name the text spells.
template <typename Value, size_t N>
std::optional<Value> ValueNamed(const std::string& text, const NamedValue<Value> (&rows)[N])
{
    std::vector<std::string> names;
    for (const NamedValue<Value>& row : rows) names.emplace_back(row.name);
    if (const auto index = FindName(text, names)) return rows[*index].value;
    return std::nullopt;
}

} // namespace

CalendarSettings SettingsFromOptions(const Options& options)
{
    Country country = Country::China;
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
