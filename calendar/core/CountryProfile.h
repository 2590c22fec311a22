// A country whose variant of the Chinese calendar the program computes, as one row of data:
// everything that differs by country. The rows are in CountryRows.h; the windows, the saved
// state, the command line and the picture generator iterate CountryProfiles() and never name a
// country's meridian, zone, colour or animals themselves.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "calendar/core/CycleCounts.h"
#include "calendar/core/Festival.h"

namespace orlun {

// A country by its number in the country list, which is also the number the settings store
// keeps ("0", "1", "2"). Further rows take the next numbers.
enum class Country : int { Vietnam = 0, China = 1, Japan = 2 };

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};


struct CountryProfile {
    Country country{};                // the row's own number: row i holds Country{i}
    std::string_view name;            // "Vietnam": the list item, the --country value
    std::string_view adjective;       // "Vietnamese": the captions of the Chinese lines
    int meridian = 120;               // reference meridian, whole degrees East, 100..145
    std::string_view zoneCode;        // the zone code of that meridian by default
    Rgb colour;                       // the main window's colour; the Moon pictures are drawn on it
    std::string_view pictureSuffix;   // of the Moon picture files: "darkmoon_vn.bmp"
    std::array<std::string_view, kAnimalCount> animals; // rat first, as the country names them
    // The stem-branch names beside the year and month, the year number and the overseas Chinese
    // year count in dates are shown and read only where this is set.
    bool chineseYearForms = false;
    std::string_view key;             // short code in event identifiers: "vn"
    std::string_view ownLanguage;     // its language's tag, that of its festival names: "vi"
    std::span<const Festival> festivals; // its traditional festivals (CountryFestivals.h)
    bool isDefault = false;           // the country before any is chosen; exactly one row
};

// Every country, in list order.
std::span<const CountryProfile> CountryProfiles();
// The country of the default row: the country before any is chosen.
Country DefaultCountry();
// The profile of a country; the default country's for a number without a row.
const CountryProfile& ProfileOf(Country country);
// The country of list index i, nullopt when no row has that index.
std::optional<Country> CountryAt(int listIndex);
// The country whose reference meridian this is: the default country when it is its meridian,
// else the first row with it; the default country for any other meridian.
Country CountryOfMeridian(int degreesEast);

// True when row i holds Country{i}, as the list and the settings store assume, and exactly one
// row is the default.
constexpr bool RowsInListOrder(std::span<const CountryProfile> rows)
{
    size_t defaults = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<size_t>(rows[i].country) != i) return false;
        if (rows[i].isDefault) ++defaults;
    }
    return defaults == 1;
}

// The default row of a table that passes RowsInListOrder.
constexpr const CountryProfile& DefaultRowOf(std::span<const CountryProfile> rows)
{
    for (const CountryProfile& row : rows)
        if (row.isDefault) return row;
    return rows.front();
}

} // namespace orlun
