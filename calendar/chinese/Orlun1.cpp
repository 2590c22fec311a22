#include "calendar/chinese/Orlun1.h"
#include "calendar/core/NumberText.h"

#include <cstdint>
#include <optional>

#include "calendar/core/ChineseYears.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/astro/SolarTermNames.h"

namespace orlun {

namespace {


// "(name) ", or nothing when there is no name.
std::string Parenthesized(const std::string& name) { return name.empty() ? "" : "(" + name + ") "; }

// The day's names in parentheses, or nothing when the date does not convert.
std::string DayNames(const ChineseLunarDate& rec, bool withStemBranch, const CalendarSettings& settings)
{
    const CHLDay day = ChLDateToJDN(rec, settings);
    if (!day.found()) return {};
    std::string names = DayElementAnimalStr(day.day, settings.country);
    if (withStemBranch)
        names += " " + DayStemBranchStr(day.day);
    return Parenthesized(names);
}

} // namespace

std::string CHLLongStr(const ChineseLunarDate& rec, const CHLLongOptions& options, const CalendarSettings& settings)
{
    const bool leap = rec.month.leap;
    std::string text;
    if (options.dayForm) {
        text = "The " + OrdinalStr(rec.day) + " day ";
        if (options.dayName) text += DayNames(rec, options.stemBranch, settings);
        text += leap ? "of leap month" : "of month";
    } else {
        text = leap ? "Leap month" : "Month";
    }
    text += PlainNumber(rec.month.number) + (leap ? "* " : " ");
    if (options.monthName) {
        const MonthNames style = !options.stemBranch           ? MonthNames::ElementAnimal
                                 : options.monthStemBranchFirst ? MonthNames::StemBranchFirst
                                                                : MonthNames::ElementAnimalFirst;
        text += Parenthesized(MonthElementAnimalStr(rec, style, settings.country));
    }
    // The day form breaks the line after the day and month; without the break the blank before
    // it still separates the words.
    text += options.dayForm ? "\r\n" : " ";

    std::string yearNames = ElementAnimalStr(rec.position, settings.country);
    if (options.stemBranch && !yearNames.empty())
        yearNames += " " + StemBranchStr(rec.position);
    text += "in the " + (yearNames.empty() ? std::string() : yearNames + " ");
    text += "year (nian) at position" + PlainNumber(rec.position) + " of cycle " +
            std::to_string(rec.cycle) + " (year " +
            std::to_string(LinearYear(rec.cycle, rec.position)) + ")";
    if (options.dayForm)
        text += ".";
    return text;
}

std::string CHSLongStr(const ChineseSolarDate& rec, const CHSLongOptions& options, const CalendarSettings& settings)
{
    std::string text = "The " + OrdinalStr(rec.day) + " day ";
    const std::optional<DayNumber> day = options.dayName ? ChSDateToJDN(rec, settings) : std::nullopt;
    if (day) {
        std::string names = DayElementAnimalStr(*day, settings.country);
        if (options.stemBranch)
            names += ", " + DayStemBranchStr(*day);
        text += Parenthesized(names);
    }
    text += "of solar term" + PlainNumber(rec.term);
    const std::string code = SolarTermCode(rec.term);
    if (!code.empty())
        text += " (" + code + ")";
    text += " in the year (sui) at position" + PlainNumber(rec.position) + " of cycle " +
            std::to_string(rec.cycle) + ".";
    return text;
}

std::string CHLStemBranchStr(const ChineseLunarDate& rec, const CalendarSettings& settings)
{
    const CHLDay converted = ChLDateToJDN(rec, settings);
    const std::string day = converted.found() ? DayStemBranchStr(converted.day) : std::string();
    const std::string month = StemBranchStr(MonthPosition(rec.position, rec.month.number));
    const std::string year = StemBranchStr(rec.position);
    return Parenthesized(day) + "day " + std::to_string(rec.day) + ", " + Parenthesized(month) +
           "month " + std::to_string(rec.month.number) + (rec.month.leap ? "*" : "") + ", " +
           Parenthesized(year) + "year " + std::to_string(rec.position) + " of cycle " +
           std::to_string(rec.cycle);
}

} // namespace orlun
