#include "DayArgument.h"

#include "calendar/core/CalendarRows.h"
#include "calendar/core/TextCase.h"
#include "calendar/core/TextTrim.h"
#include "calendar/western/DatePr2.h"

namespace orlun::cli {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kCommonEra = "CE";

bool IsCalendarCode(std::string_view code)
{
    for (const CalendarDesignation& d : kCalendarDesignations)
        if (code == d.primary || code == d.alternative) return true;
    return false;
}

// Digits, "-" and blanks only: the window's reader would drop any other character unseen.
bool OnlyDateCharacters(std::string_view text)
{
    return text.find_first_not_of("0123456789- \t") == std::string_view::npos;
}

} // namespace

DayArgument ReadDayArgument(std::string_view text)
{
    const std::string work = UpperCase(Trim(text, kBlanks));
    const size_t codeAt = work.find_last_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") + 1;
    const std::string code = work.substr(codeAt);
    if (!code.empty() && code != kCommonEra) {
        if (IsCalendarCode(code)) return {DayArgumentStatus::OtherCalendar, DayNumber(), code};
        return {};
    }
    const std::string datePart = Trim(std::string_view(work).substr(0, codeAt), kBlanks);
    if (!OnlyDateCharacters(datePart)) return {};
    const WesternReading reading = ParseWesternDate(datePart, WesternCalendar::Gregorian);
    if (!reading.ok() || !reading.date.ok()) return {};
    return {DayArgumentStatus::Date, reading.day};
}

} // namespace orlun::cli
