#include "calendar/core/CountryProfile.h"

namespace orlun {

Country DefaultCountry() { return DefaultRowOf(CountryProfiles()).country; }

const CountryProfile& ProfileOf(Country country)
{
    const std::span<const CountryProfile> rows = CountryProfiles();
    const auto index = static_cast<size_t>(country);
    if (index < rows.size()) return rows[index];
    return DefaultRowOf(rows);
}

std::optional<Country> CountryAt(int listIndex)
{
    if (listIndex < 0 || static_cast<size_t>(listIndex) >= CountryProfiles().size()) return std::nullopt;
    return CountryProfiles()[static_cast<size_t>(listIndex)].country;
}

Country CountryOfMeridian(int degreesEast)
{
    const std::span<const CountryProfile> rows = CountryProfiles();
    const CountryProfile& fallback = DefaultRowOf(rows);
    if (fallback.meridian == degreesEast) return fallback.country;
    for (const CountryProfile& p : rows)
        if (p.meridian == degreesEast) return p.country;
    return fallback.country;
}

} // namespace orlun
