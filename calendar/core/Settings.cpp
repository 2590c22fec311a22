#include "calendar/core/Settings.h"

#include "calendar/core/TextCase.h"

namespace orlun {

namespace {
struct CountryRow {
    const char* name;
    const char* adjective;
    int longitude;
    const char* zone;
    Rgb colour;
    const char* pictureSuffix;
};
constexpr CountryRow kCountryRows[] = {
    {"Vietnam", "Vietnamese", 105, "ICT", {0, 128, 0}, "_vn"},
    {"China", "Chinese", 120, "CCT", {192, 0, 0}, ""},
    {"Japan", "Japanese", 135, "JST", {64, 64, 224}, "_jp"},
};
const CountryRow& Row(Country c) { return kCountryRows[static_cast<int>(c)]; }
} // namespace

int CountryLongitude(Country c) { return Row(c).longitude; }
std::string CountryZoneCode(Country c) { return Row(c).zone; }
std::string CountryName(Country c) { return Row(c).name; }
std::string CountryAdjective(Country c) { return Row(c).adjective; }
Rgb CountryColour(Country c) { return Row(c).colour; }
std::string CountryPictureSuffix(Country c) { return Row(c).pictureSuffix; }

bool CountryFromName(const std::string& name, Country& out)
{
    const std::string lower = LowerCase(name);
    for (int i = 0; i < 3; ++i) {
        if (LowerCase(kCountryRows[i].name) == lower) {
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
    return text.append(s.method == TermMethod::MeanSun ? "mean sun" : "true sun");
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
