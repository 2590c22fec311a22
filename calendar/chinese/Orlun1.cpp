#include "calendar/chinese/Orlun1.h"

#include <cstdint>

#include "calendar/core/ChineseYears.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/astro/SolarTermNames.h"

namespace orlun {

namespace {

// A number written the plain way: one leading blank unless it is negative.
std::string PlainNumber(int64_t n)
{
    std::string text = std::to_string(n);
    if (n >= 0)
        text.insert(text.begin(), ' ');
    return text;
}

// "(name) ", or nothing when there is no name.
std::string Parenthesized(const std::string& name) { return name.empty() ? "" : "(" + name + ") "; }

} // namespace

std::string CHLLongStr(CHLDate& rec, bool withDayName, bool withMonthName, bool withStemBranch,
                       bool monthFlag, bool dayForm, const CalendarSettings& settings)
{
    const bool leap = rec.leap != 0;
    std::string text;
    if (dayForm) {
        text = "The " + OrdinalStr(rec.day) + " day ";
        if (withDayName && ChLDateToJDN(rec, settings) == 0) {
            std::string names = DayElementAnimalStr(rec.jdn, settings.country);
            if (withStemBranch)
                names += " " + DayStemBranchStr(rec.jdn);
            text += Parenthesized(names);
        }
        text += leap ? "of leap month" : "of month";
    } else {
        text = leap ? "Leap month" : "Month";
    }
    text += PlainNumber(rec.month) + (leap ? "* " : " ");
    if (withMonthName)
        text += Parenthesized(
            MonthElementAnimalStr(rec, withStemBranch, monthFlag, settings.country));
    // The day form breaks the line after the day and month; without the break the blank before
    // it still separates the words.
    text += dayForm ? "\r\n" : " ";

    std::string yearNames = ElementAnimalStr(rec.position, settings.country);
    if (withStemBranch && !yearNames.empty())
        yearNames += " " + StemBranchStr(rec.position);
    text += "in the " + (yearNames.empty() ? std::string() : yearNames + " ");
    text += "year (nian) at position" + PlainNumber(rec.position) + " of cycle " +
            std::to_string(rec.cycle) + " (year " +
            std::to_string(LinearYear(rec.cycle, rec.position)) + ")";
    if (dayForm)
        text += ".";
    return text;
}

std::string CHSLongStr(CHSDate& rec, bool withDayName, bool withStemBranch,
                       const CalendarSettings& settings)
{
    std::string text = "The " + OrdinalStr(rec.day) + " day ";
    if (withDayName && ChSDateToJDN(rec, settings)) {
        std::string names = DayElementAnimalStr(rec.jdn, settings.country);
        if (withStemBranch)
            names += ", " + DayStemBranchStr(rec.jdn);
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

std::string CHLStemBranchStr(CHLDate& rec, const CalendarSettings& settings)
{
    const bool converted = ChLDateToJDN(rec, settings) == 0;
    const std::string day = converted ? DayStemBranchStr(rec.jdn) : std::string();
    const std::string month = StemBranchStr(MonthPosition(rec.position, rec.month));
    const std::string year = StemBranchStr(rec.position);
    return Parenthesized(day) + "day " + std::to_string(rec.day) + ", " + Parenthesized(month) +
           "month " + std::to_string(rec.month) + (rec.leap != 0 ? "*" : "") + ", " +
           Parenthesized(year) + "year " + std::to_string(rec.position) + " of cycle " +
           std::to_string(rec.cycle);
}

} // namespace orlun
