#include "calendar/presentation/SexagenaryNames.h"

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/CountryProfile.h"

namespace orlun {

namespace {
bool ShowsStemBranch(Country country) { return ProfileOf(country).chineseYearForms; }
} // namespace

std::string DayNameText(int dayPosition, Country country)
{
    return ElementAnimalStr(dayPosition, country) + " day";
}

std::string MonthNameText(const ChineseLunarDate& chl, Country country)
{
    const std::string month = MonthElementAnimalStr(
        chl, ShowsStemBranch(country) ? MonthNames::StemBranchFirst : MonthNames::ElementAnimal, country);
    return month.empty() ? std::string() : month + " month";
}

std::string YearNameText(const ChineseLunarDate& chl, Country country)
{
    const ElementAnimal year = YearElementAnimal(chl);
    if (year.element < 0) return {};
    return (ShowsStemBranch(country) ? StemBranchStr(chl.position) + " " : std::string()) +
           ElementName(year.element) + "-" + AnimalName(year.animal, country) + " year";
}

} // namespace orlun
