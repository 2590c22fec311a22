// The settings that every calendar computation reads, passed as one small value.
#pragma once

#include <string>

namespace orlun {

enum class Country { Vietnam = 0, China = 1, Japan = 2 };
inline constexpr Country kCountries[] = {Country::Vietnam, Country::China, Country::Japan};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// How the solar terms between the quarter points are placed. The numbers are the method list's
// items and the state file's values.
enum class TermMethod : int { TrueSun = 0, MeanSun = 1 };

struct CalendarSettings {
    Country country = Country::China;
    int refLongitude = 120;       // reference meridian, whole degrees East (100..145)
    std::string zoneCode = "CCT"; // zone code shown after times at the reference meridian
    int epoch = -2696;            // Common Era year of cycle 1, position 1: -2696 or -2636
    TermMethod method = TermMethod::TrueSun; // of the CHS dates and the mean-sun term tables
};

// Reference longitude of a country: Vietnam 105, China 120, Japan 135.
int CountryLongitude(Country c);
// Default zone code of a country: "ICT", "CCT", "JST".
std::string CountryZoneCode(Country c);
// "Vietnam", "China", "Japan".
std::string CountryName(Country c);
// "Vietnamese", "Chinese", "Japanese".
std::string CountryAdjective(Country c);
// The main window's colour: green (Vietnam), red (China), blue (Japan); the Moon pictures are
// drawn on it.
Rgb CountryColour(Country c);
// The suffix of the country's Moon picture files: "_vn", "" or "_jp".
std::string CountryPictureSuffix(Country c);
// Reads "Vietnam", "China" or "Japan" (case-insensitive); false for anything else.
bool CountryFromName(const std::string& name, Country& out);

// "Epoch = -2696, method = true sun" ("epoch = ..." without capital), as the log and the year
// data name the settings.
std::string EpochMethod(const CalendarSettings& s, bool capital);

// The settings of a country with its default longitude and zone code, epoch -2696, true sun.
CalendarSettings SettingsForCountry(Country c);

} // namespace orlun
