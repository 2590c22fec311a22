#include "CliArgs.h"

#include <algorithm>

#include "calendar/astro/SolarTerms.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/WholeNumber.h"

namespace orlun::cli {

std::optional<double> ParseDouble(const std::string& text) { return ParseDecimalNumber(text); }

std::optional<int64_t> ParseInteger(const std::string& text, int64_t min, int64_t max)
{
    return ParseWholeNumber(text, min, max);
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

CalendarSettings SettingsFromOptions(const Options& options)
{
    Country country = Country::China;
    if (auto name = options.Get("country")) {
        if (!CountryFromName(*name, country))
            throw UsageError{"--country must be " + CountryNameList(", ", " or ") + ", not \"" + *name + "\""};
    }
    CalendarSettings settings = SettingsForCountry(country);
    ApplyEpochAndMethod(options, settings);
    return settings;
}

void ApplyEpochAndMethod(const Options& options, CalendarSettings& settings)
{
    if (auto epoch = options.Get("epoch")) {
        if (*epoch == "-2696") settings.epoch = kEpochHuangdi;
        else if (*epoch == "-2636") settings.epoch = kEpochAlternative;
        else throw UsageError{"--epoch must be -2696 or -2636"};
    }
    if (auto method = options.Get("method")) {
        if (*method == "true") settings.method = TermMethod::TrueSun;
        else if (*method == "mean") settings.method = TermMethod::MeanSun;
        else throw UsageError{"--method must be true or mean, not \"" + *method + "\""};
    }
}

} // namespace orlun::cli
