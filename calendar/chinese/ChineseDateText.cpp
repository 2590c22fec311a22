#include "calendar/chinese/ChineseDateText.h"
#include "calendar/core/NumberText.h"

#include "calendar/core/ChineseYears.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/astro/SolarTermNames.h"
#include "engine/orlun2_values.h"

namespace orlun {

namespace {


// The month as the year structure labels it: "05", or "5*" for a leap month.
std::string MonthLabel(const ChineseLunarDate& rec)
{
    return rec.month.leap ? std::to_string(rec.month.number) + "*" : TwoDigits(rec.month.number);
}

std::string ElementAnimalText(const ElementAnimal& ea, Country country)
{
    if (ea.element < 0 || ea.animal < 0)
        return {};
    return ElementName(ea.element) + "-" + AnimalName(ea.animal, country);
}

} // namespace

std::string OrdinalStr(int64_t n)
{
    std::string text = std::to_string(n);
    if (n < 0)
        return text;
    // 11, 12 and 13 (also 111, 212 ...) are read "eleventh", "twelfth", "thirteenth".
    const int64_t lastTwo = n % 100;
    if (lastTwo >= 11 && lastTwo <= 13)
        return text + "th";
    switch (n % 10) {
    case 1:
        return text + "st";
    case 2:
        return text + "nd";
    case 3:
        return text + "rd";
    default:
        return text + "th";
    }
}

std::string CHLDateStr(const ChineseLunarDate& rec, CHLTextForm form, std::string_view suffix, Country country)
{
    // A form number outside the enumeration is written as CyclePosition.
    const bool linear = form == CHLTextForm::OverseasYear || form == CHLTextForm::OverseasYearWithNames ||
                        form == CHLTextForm::OverseasYearAlso;
    std::string text = linear ? std::to_string(LinearYear(rec.cycle, rec.position))
                              : std::to_string(rec.cycle) + "-" + TwoDigits(rec.position);
    // Appended piece by piece: g++ 12 gives a false -Wrestrict for "-" + std::string&&.
    text += '-';
    text += MonthLabel(rec);
    text += '-';
    text += TwoDigits(rec.day);
    text += ' ';
    text += suffix;
    if (form == CHLTextForm::OverseasYearWithNames) {
        const ElementAnimal year = YearElementAnimal(rec);
        if (year.element >= 0) {
            // Of the five elements only earth begins with a vowel.
            text += year.element == 2 ? " (in an " : " (in a ";
            text += ElementAnimalText(year, country) + " year)";
        }
    }
    return text;
}

std::string CHSDateStr(const ChineseSolarDate& rec, bool withCode)
{
    std::string text = std::to_string(rec.cycle) + "-" + TwoDigits(rec.position) + "-" +
                       TwoDigits(rec.term) + "-" + TwoDigits(rec.day) + " CHS";
    if (withCode && rec.day == 1) {
        const std::string code = SolarTermCode(rec.term);
        if (!code.empty())
            text += " (" + code + ")";
    }
    return text;
}

ElementAnimal YearElementAnimal(const ChineseLunarDate& rec)
{
    const int element = ElementOfPosition(rec.position);
    if (element < 0)
        return {};
    return {element, AnimalOfPosition(rec.position)};
}

ElementAnimal MonthElementAnimal(const ChineseLunarDate& rec)
{
    const int element = MonthElementOf(rec.position, rec.month.number);
    if (element < 0)
        return {};
    return {element, MonthAnimalOf(rec.month.number)};
}

std::string MonthElementAnimalStr(const ChineseLunarDate& rec, MonthNames style, Country country)
{
    const ElementAnimal month = MonthElementAnimal(rec);
    if (month.element < 0)
        return {};
    const std::string names = ElementAnimalText(month, country);
    if (style == MonthNames::ElementAnimal)
        return names;
    const std::string stemBranch =
        StemBranchStr(PositionOfElementAnimal(month.element, month.animal));
    if (style == MonthNames::StemBranchFirst)
        return stemBranch + " " + names;
    return names + " " + stemBranch + " ";
}

std::optional<ChineseLunarDate> ParseCHLDateStr(std::string_view text) { return ReadCHLDateText(text); }

std::optional<ChineseSolarDate> ParseCHSDateStr(std::string_view text) { return ReadCHSDateText(text); }

} // namespace orlun
