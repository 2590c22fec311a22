// The settings that every calendar computation reads, passed as one small value.
#pragma once

#include <optional>
#include <string>

#include "calendar/core/CountryRows.h"
#include "calendar/core/Meridian.h"

namespace orlun {

// How the solar terms between the quarter points are placed. The numbers are the method list's
// items and the state file's values.
enum class TermMethod : int { TrueSun = 0, MeanSun = 1 };

// The default row: the settings before any country is chosen.
inline constexpr const CountryProfile& kDefaultCountryRow = DefaultRowOf(kCountryRows);

struct CalendarSettings {
    Country country = kDefaultCountryRow.country;
    Meridian meridian{kDefaultCountryRow.meridian}; // the reference meridian (100..145 degrees East)
    std::string zoneCode{kDefaultCountryRow.zoneCode}; // zone code shown after times at the reference meridian
    int epoch = -2696;            // Common Era year of cycle 1, position 1: -2696 or -2636
    TermMethod method = TermMethod::TrueSun; // of the CHS dates and the mean-sun term tables
};

// The fields of a country's profile (CountryRows.h), as the readers of the settings want them.
int CountryLongitude(Country c);
std::string CountryZoneCode(Country c);
std::string CountryName(Country c);
std::string CountryAdjective(Country c);
Rgb CountryColour(Country c);
std::string CountryPictureSuffix(Country c);
// Reads a country's name ("Vietnam", "china", case-insensitive); nullopt for anything else.
std::optional<Country> CountryFromName(const std::string& name);
// The country names in list order joined as "Vietnam|China|Japan" (separator "|") or as
// "Vietnam, China or Japan" (separator ", " with " or " before the last).
std::string CountryNameList(const std::string& separator, const std::string& last);

// "Epoch = -2696, method = true sun" ("epoch = ..." without capital), as the log and the year
// data name the settings.
std::string EpochMethod(const CalendarSettings& s, bool capital);

// The settings of a country with its default longitude and zone code, epoch -2696, true sun.
CalendarSettings SettingsForCountry(Country c);

} // namespace orlun
