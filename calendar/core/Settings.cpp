#include "calendar/core/Settings.h"

#include "calendar/core/TextCase.h"

namespace orlun {

int CountryLongitude(Country c) { return ProfileOf(c).meridian; }
std::string CountryZoneCode(Country c) { return std::string(ProfileOf(c).zoneCode); }
std::string CountryName(Country c) { return std::string(ProfileOf(c).name); }
std::string CountryAdjective(Country c) { return std::string(ProfileOf(c).adjective); }
Rgb CountryColour(Country c) { return ProfileOf(c).colour; }
std::string CountryPictureSuffix(Country c) { return std::string(ProfileOf(c).pictureSuffix); }

std::optional<Country> CountryFromName(const std::string& name)
{
    const std::string lower = LowerCase(name);
    for (const CountryProfile& p : CountryProfiles())
        if (LowerCase(std::string(p.name)) == lower) return p.country;
    return std::nullopt;
}

std::string CountryNameList(const std::string& separator, const std::string& last)
{
    const std::span<const CountryProfile> rows = CountryProfiles();
    std::string text;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) text += i + 1 == rows.size() ? last : separator;
        text += rows[i].name;
    }
    return text;
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
    s.meridian = Meridian(CountryLongitude(c));
    s.zoneCode = CountryZoneCode(c);
    return s;
}

} // namespace orlun
