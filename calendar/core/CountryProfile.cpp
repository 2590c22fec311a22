#include "calendar/core/CountryProfile.h"

namespace orlun {

const CountryProfile& ProfileOf(Country country)
{
    const std::span<const CountryProfile> rows = CountryProfiles();
    const auto index = static_cast<size_t>(country);
    if (index < rows.size()) return rows[index];
    return rows[static_cast<size_t>(Country::China)];
}

std::optional<Country> CountryAt(int listIndex)
{
    if (listIndex < 0 || static_cast<size_t>(listIndex) >= CountryProfiles().size()) return std::nullopt;
    return CountryProfiles()[static_cast<size_t>(listIndex)].country;
}

Country CountryOfMeridian(int degreesEast)
{
    for (const CountryProfile& p : CountryProfiles())
        if (p.meridian == degreesEast) return p.country;
    return Country::China;
}

} // namespace orlun
