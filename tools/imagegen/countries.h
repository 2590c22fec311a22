// The three countries as far as the pictures are concerned: the suffix of their Moon pictures and
// the window colour the pictures are shown on, from the program's country table.
#pragma once

#include <QColor>

#include <array>
#include <string>

#include "calendar/core/Settings.h"

namespace imagegen {

struct CountryLook {
    std::string suffix;
    QColor colour;
};

inline CountryLook LookOf(orlun::Country country)
{
    const orlun::Rgb c = orlun::CountryColour(country);
    return {orlun::CountryPictureSuffix(country), QColor(c.red, c.green, c.blue)};
}

// China first: its pictures carry no suffix.
inline const std::array<CountryLook, 3> kCountries{
    LookOf(orlun::Country::China), LookOf(orlun::Country::Vietnam), LookOf(orlun::Country::Japan)};

}  // namespace imagegen
