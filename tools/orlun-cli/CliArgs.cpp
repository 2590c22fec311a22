#include "CliArgs.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace orlun::cli {

std::optional<double> ParseDouble(const std::string& text)
{
    if (text.empty() || text.size() > 64) return std::nullopt;
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(begin, &end);
    if (end != begin + text.size() || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int64_t> ParseInteger(const std::string& text, int64_t min, int64_t max)
{
    if (text.empty() || text.size() > 19) return std::nullopt;
    size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (text[0] == '-') value = -value;
    if (value < min || value > max) return std::nullopt;
    return value;
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
            throw UsageError{"--country must be Vietnam, China or Japan, not \"" + *name + "\""};
    }
    return SettingsForCountry(country);
}

} // namespace orlun::cli
