// The countries as far as the pictures are concerned: the suffix of their Moon pictures and the
// window colour the pictures are shown on, from the program's country table.
#pragma once

#include <QColor>

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/core/CountryProfile.h"

namespace imagegen {

struct CountryLook {
    std::string suffix;
    QColor colour;
};

// Every country of the table; the one whose pictures carry no suffix (China) first.
inline std::vector<CountryLook> CountryLooks()
{
    std::vector<CountryLook> looks;
    for (const orlun::CountryProfile& p : orlun::CountryProfiles())
        looks.push_back({std::string(p.pictureSuffix), QColor(p.colour.red, p.colour.green, p.colour.blue)});
    std::stable_partition(looks.begin(), looks.end(), [](const CountryLook& l) { return l.suffix.empty(); });
    return looks;
}

inline const std::vector<CountryLook> kCountries = CountryLooks();

}  // namespace imagegen
