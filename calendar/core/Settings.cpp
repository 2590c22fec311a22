#include "calendar/core/Settings.h"

#include <algorithm>
#include <cctype>

namespace orlun {

namespace {
struct CountryRow {
    const char* name;
    const char* adjective;
    int longitude;
    const char* zone;
};
constexpr CountryRow kCountries[] = {
    {"Vietnam", "Vietnamese", 105, "ICT"},
    {"China", "Chinese", 120, "CCT"},
    {"Japan", "Japanese", 135, "JST"},
};
const CountryRow& Row(Country c) { return kCountries[static_cast<int>(c)]; }
} // namespace

int CountryLongitude(Country c) { return Row(c).longitude; }
std::string CountryZoneCode(Country c) { return Row(c).zone; }
std::string CountryName(Country c) { return Row(c).name; }
std::string CountryAdjective(Country c) { return Row(c).adjective; }

bool CountryFromName(const std::string& name, Country& out)
{
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    for (int i = 0; i < 3; ++i) {
        std::string candidate = kCountries[i].name;
        std::transform(candidate.begin(), candidate.end(), candidate.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        if (candidate == lower) {
            out = static_cast<Country>(i);
            return true;
        }
    }
    return false;
}

std::string EpochMethod(const CalendarSettings& s, bool capital)
{
    std::string text = capital ? "Epoch" : "epoch";
    text.append(" = ").append(std::to_string(s.epoch)).append(", method = ");
    return text.append(s.method == 1 ? "mean sun" : "true sun");
}

CalendarSettings SettingsForCountry(Country c)
{
    CalendarSettings s;
    s.country = c;
    s.refLongitude = CountryLongitude(c);
    s.zoneCode = CountryZoneCode(c);
    return s;
}

} // namespace orlun
