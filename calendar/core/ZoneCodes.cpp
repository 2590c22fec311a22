#include "calendar/core/ZoneCodes.h"

#include "calendar/core/CountryProfile.h"

namespace orlun {

namespace {

std::string& CodeAt(ZoneCodeTable& codes, int longitude)
{
    return codes[static_cast<size_t>(longitude - kMinRefLongitude)];
}

bool IsReferenceLongitude(int longitude) { return longitude >= kMinRefLongitude && longitude <= kMaxRefLongitude; }

} // namespace

ZoneCodeTable DefaultZoneCodes()
{
    ZoneCodeTable codes;
    for (int i = 0; i < kZoneCodeCount; ++i) {
        codes[static_cast<size_t>(i)] = {'L', static_cast<char>('0' + i / 10), static_cast<char>('0' + i % 10)};
    }
    struct Named {
        int longitude;
        const char* code;
    };
    // Meridians of cities that carry a name of their own without being a country's.
    constexpr Named kCities[] = {{106, "HAN"}, {109, "CHA"}, {116, "BEI"}, {140, "EDO"}};
    for (const Named& n : kCities) CodeAt(codes, n.longitude) = n.code;
    for (const CountryProfile& p : CountryProfiles())
        if (IsReferenceLongitude(p.meridian)) CodeAt(codes, p.meridian) = std::string(p.zoneCode);
    return codes;
}

std::string DefaultZoneCode(int longitude)
{
    if (!IsReferenceLongitude(longitude)) return {};
    return DefaultZoneCodes()[static_cast<size_t>(longitude - kMinRefLongitude)];
}

} // namespace orlun
