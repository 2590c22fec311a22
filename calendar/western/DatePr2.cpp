#include "calendar/western/DatePr2.h"
#include "calendar/core/NumberText.h"

#include "calendar/core/TimeScales.h"
#include "engine/dayconv.h"
#include "engine/dayconv_values.h"

#include <charconv>

#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <limits>

namespace orlun {

namespace {

constexpr const char* kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",
                                         "May",     "June",     "July",      "August",
                                         "September", "October", "November", "December"};

constexpr uint16_t kArchetypes = 'R';


// Years are written plain and grouped only beyond four digits, so 9999 stays "9999".
std::string YearText(int32_t year)
{
    const std::string plain = std::to_string(year);
    if (year > 9999 || year < -9999)
        return SeparateThousands(plain, std::string(1, kThousandsSeparator));
    return plain;
}

// The text read by the library under the calendar letter: 1 a date, 0 not one, -1 out of range.
int ReadDate(const std::string& text, uint16_t letter, EuroDateFields& fields)
{
    // Blanks and every other character that is neither a digit nor '-' drop out.
    std::string cleaned;
    cleaned.reserve(text.size());
    int dashes = 0;
    for (const char ch : text) {
        if ((ch >= '0' && ch <= '9') || ch == kDateSeparator) {
            cleaned += ch;
            if (ch == kDateSeparator)
                ++dashes;
        }
    }
    if (dashes != 2 && dashes != 3)
        return 0;
    fields = EuroDateFromText(cleaned, letter);
    return fields.code == 0 ? 1 : fields.code == -5 ? -1 : 0;
}

} // namespace

DayNumber DateToJDN(const WesternDate& date) { return EuroDateToJDN(date); }

WesternDate JDNToDate(DayNumber day, WesternCalendar calendar) { return JDNToEuroDate(day, calendar); }

CEAndJC CEAndJCFromCJD(LocalTime cjd)
{
    const double x = cjd.cjd();
    // The day count is cut toward zero. A count that is no number or lies beyond the 32-bit day
    // numbers is held at the nearest end and the records are marked invalid.
    int32_t jdn = 0;
    bool inRange = false;
    if (!std::isnan(x)) {
        const double t = std::trunc(x);
        if (t < static_cast<double>(std::numeric_limits<int32_t>::min()))
            jdn = std::numeric_limits<int32_t>::min();
        else if (t > static_cast<double>(std::numeric_limits<int32_t>::max()))
            jdn = std::numeric_limits<int32_t>::max();
        else {
            jdn = static_cast<int32_t>(t);
            inRange = true;
        }
    }
    return {JDNToDate(DayNumber(jdn), WesternCalendar::Gregorian), JDNToDate(DayNumber(jdn), WesternCalendar::Julian),
            DayNumber(jdn), inRange};
}

int WeekdayNumber(DayNumber day) { return euro_day_of_week(day.value()); }

std::string WeekdayName(int weekday)
{
    if (weekday < 0 || weekday > 6)
        return {};
    return kWeekdayNames[weekday];
}

std::string WeekdayNameOfJDN(DayNumber day) { return WeekdayName(WeekdayNumber(day)); }

std::string MonthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return kMonthNames[month - 1];
}

std::string TimeText(double fraction)
{
    if (std::isnan(fraction) || fraction < 0.0 || fraction >= 1.0)
        return "XX:XX:XX";
    // A hundred-millionth of a day lifts a time a hair below a full minute (2:31:59.9999) onto it.
    if (fraction > 0.0 && fraction < 0.99999999)
        fraction += 0.00000001;
    int seconds = static_cast<int>(std::floor(fraction * 86400.0));
    if (seconds >= 86400)
        seconds = 86399;
    return TwoDigits(seconds / 3600) + ":" + TwoDigits((seconds / 60) % 60);
}

std::string LondonTime(LocalTime t) { return TimeText(t.On(Meridian::Greenwich()).fractionOfDay()) + " GMT"; }

std::string ReferenceTime(LocalTime cjdc, const std::string& zoneCode)
{
    return TimeText(cjdc.fractionOfDay()) + " " + zoneCode;
}

std::string DateText(const WesternDate& date)
{
    return YearText(date.year) + kDateSeparator + TwoDigits(date.month) + kDateSeparator +
           TwoDigits(date.day);
}

std::string DayOrdinal(int day)
{
    // 11th, 12th, 13th (and 111th ...) break the last-digit rule.
    const int lastTwo = std::abs(day % 100);
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (lastTwo % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        default: break;
        }
    }
    return std::to_string(day) + suffix;
}

std::string DateLongText(const WesternDate& date)
{
    const char* calendarName = date.calendar == WesternCalendar::Julian ? "Julian" : "Common Era";
    return "The " + DayOrdinal(date.day) + " day of " + MonthName(date.month) + " in the year " +
           YearText(date.year) + " in the " + calendarName + " Calendar";
}

std::string SeparateThousands(const std::string& numberText, const std::string& separator)
{
    if (separator.empty())
        return numberText;
    // Grouped without dayconv's 20-character buffer, so that a long number is never cut short.
    return group_thousands(numberText, separator[0]);
}

WesternReading ParseWesternDate(const std::string& text, WesternCalendar calendar)
{
    EuroDateFields fields;
    WesternReading reading;
    reading.status = ReadDate(text, static_cast<uint16_t>(calendar), fields);
    if (reading.ok()) {
        reading.date = {fields.year, fields.month, fields.day, calendar};
        reading.day = DateToJDN(reading.date);
    }
    return reading;
}

std::optional<ARCDate> ParseARCDateFields(const std::string& text)
{
    EuroDateFields fields;
    if (ReadDate(text, kArchetypes, fields) != 1)
        return std::nullopt;
    return ARCDate{fields.year, fields.month, fields.day};
}

WesternDate GregorianDate(DayNumber day) { return JDNToDate(day, WesternCalendar::Gregorian); }

DayNumber GregorianJDN(int32_t year, int month, int day)
{
    return DateToJDN(WesternDate{year, month, day, WesternCalendar::Gregorian});
}

std::string DayCountText(double value)
{
    // to_chars writes "." as the decimal point whatever the process locale says (a desktop
    // session may run under one that writes ","). The widest fixed form of a double has 309
    // whole digits.
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 4);
    if (ec != std::errc()) return "";
    return SeparateThousands(std::string(buf, end), std::string(1, kThousandsSeparator));
}

} // namespace orlun
